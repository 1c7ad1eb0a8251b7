#include "services/update_download.h"

#include <urlmon.h>

#include "support/file_system.h"

namespace {

bool IsClosing(const std::atomic<int>* closing) {
    return closing != nullptr && closing->load() != 0;
}

// Watches one download: counts its progress, and ends it (through the
// binding that the download service hands over) when the program closes or
// no data came for too long. The service calls it on this thread; the
// watchdog timer on a thread of the system's pool.
class DownloadWatch final : public IBindStatusCallback {
  public:
    explicit DownloadWatch(const DownloadLimits& limits)
        : limits_(limits), lastActivity_(GetTickCount()) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IBindStatusCallback)) {
            *object = static_cast<IBindStatusCallback*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IBindStatusCallback
    HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding* binding) override {
        if (binding != nullptr) {
            binding->AddRef();
            IBinding* previous = binding_.exchange(binding);
            if (previous != nullptr) previous->Release();
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG progressMax, ULONG,
                                         LPCWSTR) override {
        lastActivity_.store(GetTickCount());
        progress_.store(progress);
        expected_.store(progressMax);
        return IsClosing(limits_.closing) ? E_ABORT : S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT result, LPCWSTR) override {
        stopResult_.store(result);
        ReleaseBinding(false);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO*) override {
        // Always from the site, never from or into the cache.
        if (flags != nullptr)
            *flags |= BINDF_GETNEWESTVERSION | BINDF_NOWRITECACHE | BINDF_PRAGMA_NO_CACHE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

    // Called by the watchdog: ends the download when it must end.
    void Check() {
        const DWORD quiet = GetTickCount() - lastActivity_.load();
        if (IsClosing(limits_.closing) || quiet > limits_.stallLimit) ReleaseBinding(true);
    }
    // True when the service ended the binding successfully with as many
    // bytes as the server announced (a server that closes early still
    // reports success).
    bool Complete() const {
        const ULONG expected = expected_.load();
        return SUCCEEDED(stopResult_.load()) && (expected == 0 || progress_.load() >= expected);
    }
    ULONG Expected() const { return expected_.load(); }

  private:
    ~DownloadWatch() { ReleaseBinding(false); }
    // Whoever takes the binding out releases it, so it is released once.
    void ReleaseBinding(bool abort) {
        IBinding* binding = binding_.exchange(nullptr);
        if (binding == nullptr) return;
        if (abort) binding->Abort();
        binding->Release();
    }

    const DownloadLimits limits_;
    std::atomic<ULONG> references_{1};
    std::atomic<IBinding*> binding_{nullptr};
    std::atomic<DWORD> lastActivity_;
    std::atomic<ULONG> progress_{0};
    std::atomic<ULONG> expected_{0};
    std::atomic<HRESULT> stopResult_{E_FAIL};
};

void CALLBACK WatchdogTick(void* watch, BOOLEAN) {
    static_cast<DownloadWatch*>(watch)->Check();
}

enum { kWatchdogPeriod = 100, kPollPeriod = 10, kStablePolls = 200, kOpenTries = 50 };

bool FileSize(const wchar_t* path, ULONGLONG* size, bool* hasWriteTime) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data)) return false;
    *size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    *hasWriteTime =
        data.ftLastWriteTime.dwLowDateTime != 0 || data.ftLastWriteTime.dwHighDateTime != 0;
    return true;
}

} // namespace

bool SleepUnlessClosing(DWORD milliseconds, const std::atomic<int>* closing) {
    for (DWORD slept = 0; slept < milliseconds; slept += kPollPeriod) {
        if (IsClosing(closing)) return false;
        Sleep(kPollPeriod);
    }
    return !IsClosing(closing);
}

bool DownloadFile(const wchar_t* address, const wchar_t* path, const DownloadLimits& limits) {
    if (IsClosing(limits.closing)) return false;
    DownloadWatch* watch = new DownloadWatch(limits);
    HANDLE timer = nullptr;
    if (!CreateTimerQueueTimer(&timer, nullptr, WatchdogTick, watch, kWatchdogPeriod,
                               kWatchdogPeriod, WT_EXECUTEDEFAULT))
        timer = nullptr;
    const HRESULT result = URLDownloadToFileW(nullptr, address, path, 0, watch);
    // Waits for a watchdog tick that is running, so the watch outlives it.
    if (timer != nullptr) DeleteTimerQueueTimer(nullptr, timer, INVALID_HANDLE_VALUE);
    bool complete = SUCCEEDED(result) && watch->Complete() && !IsClosing(limits.closing);
    if (complete && watch->Expected() != 0) {
        ULONGLONG size = 0;
        bool hasWriteTime = false;
        complete = FileSize(path, &size, &hasWriteTime) && size == watch->Expected();
    }
    watch->Release();
    if (!complete) RemoveFileAt(path);
    return complete;
}

FILE* OpenDownloadedFile(const wchar_t* path, const std::atomic<int>* closing) {
    ULONGLONG previous = 0, size = 0;
    bool hasWriteTime = false, read = false;
    for (int poll = 0; poll < kStablePolls; ++poll) {
        if (IsClosing(closing)) return nullptr;
        const bool wasRead = read;
        read = FileSize(path, &size, &hasWriteTime);
        if (read && wasRead && hasWriteTime && size > 0 && size == previous) break;
        previous = size;
        Sleep(kPollPeriod);
    }
    if (!read || !hasWriteTime || size == 0) return nullptr;
    if (!SleepUnlessClosing(200, closing)) return nullptr;
    for (int attempt = 0; attempt < kOpenTries; ++attempt) {
        FILE* file = OpenFileAt(path, "r");
        if (file != nullptr) return file;
        if (!SleepUnlessClosing(200, closing)) return nullptr;
    }
    return nullptr;
}
