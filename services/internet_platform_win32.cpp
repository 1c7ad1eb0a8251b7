// The internet test's requests with WinINet: one asynchronous session, one
// request per test address, and the status callback that the system's
// internet worker thread runs. Each request carries a record of its test
// and address; a request handle is closed by whichever side takes it from
// its record first (the callback when the request completes, the window
// thread when it closes the test), never by both.
#include "services/internet_platform.h"

#include <windows.h>
#include <wininet.h>

#include <atomic>

#include "services/connection_probe.h"

namespace {

const wchar_t kAgentName[] = L"Internet Up Test";
const DWORD kRequestFlags =
    INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;

// The records of the last few tests: a late callback of an older test still
// finds its own record, which is only reused several tests later.
enum { kRecordedTests = 8 };

struct RequestRecord {
    std::atomic<uint32_t> generation;
    std::atomic<int> index;
    std::atomic<HINTERNET> handle;
};

RequestRecord records[kRecordedTests][kProbeAddressCount];
HINTERNET session = nullptr; // window thread only

void TakeAndClose(RequestRecord* record) {
    HINTERNET handle = record->handle.exchange(nullptr);
    if (handle != nullptr) InternetCloseHandle(handle);
}

// Keeps the request's handle in its record unless it has one; a test that
// has ended meanwhile gets its handle closed at once.
void KeepHandle(RequestRecord* record, HINTERNET handle) {
    if (handle == nullptr) return;
    HINTERNET none = nullptr;
    record->handle.compare_exchange_strong(none, handle);
    if (record->generation != ProbeGeneration()) TakeAndClose(record);
}

HINTERNET ResultHandle(const void* information, DWORD length) {
    if (information == nullptr || length < sizeof(INTERNET_ASYNC_RESULT)) return nullptr;
    return reinterpret_cast<HINTERNET>(
        static_cast<const INTERNET_ASYNC_RESULT*>(information)->dwResult);
}

void CALLBACK StatusCallback(HINTERNET, DWORD_PTR context, DWORD status, LPVOID information,
                             DWORD length) {
    RequestRecord* record = reinterpret_cast<RequestRecord*>(context);
    if (record == nullptr) return;
    switch (status) {
    case INTERNET_STATUS_HANDLE_CREATED:
        KeepHandle(record, ResultHandle(information, length));
        break;
    case INTERNET_STATUS_CONNECTED_TO_SERVER:
    case INTERNET_STATUS_RESPONSE_RECEIVED:
        ProbeAnswered(record->generation, record->index);
        break;
    case INTERNET_STATUS_REQUEST_COMPLETE:
        ProbeCompleted(record->generation, record->index);
        TakeAndClose(record);
        break;
    default:
        break;
    }
}

bool OpenSession() {
    if (session != nullptr) return true;
    session = InternetOpenW(kAgentName, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr,
                            INTERNET_FLAG_ASYNC);
    if (session == nullptr) return false;
    if (InternetSetStatusCallbackW(session, StatusCallback) == INTERNET_INVALID_STATUS_CALLBACK) {
        InternetCloseHandle(session);
        session = nullptr;
        return false;
    }
    return true;
}

} // namespace

SystemConnection QuerySystemConnection() {
    DWORD flags = 0;
    const bool connected = InternetGetConnectedState(&flags, 0) != FALSE;
    return SystemConnection{connected, (flags & INTERNET_CONNECTION_OFFLINE) != 0,
                            static_cast<int>(flags) | (connected ? 0x10000 : 0)};
}

bool StartConnectionRequests(uint32_t generation, const wchar_t* const* addresses, int count) {
    if (!OpenSession()) return false;
    RequestRecord* row = records[generation % kRecordedTests];
    for (int i = 0; i < count && i < kProbeAddressCount; ++i) {
        RequestRecord* record = &row[i];
        TakeAndClose(record);
        record->generation = generation;
        record->index = i;
        HINTERNET request = InternetOpenUrlW(session, addresses[i], nullptr, 0, kRequestFlags,
                                             reinterpret_cast<DWORD_PTR>(record));
        if (request != nullptr)
            KeepHandle(record, request);
        else if (GetLastError() != ERROR_IO_PENDING)
            ProbeRequestNotStarted(generation);
    }
    return true;
}

void CloseConnectionRequests() {
    for (auto& row : records)
        for (RequestRecord& record : row)
            TakeAndClose(&record);
    if (session != nullptr) {
        InternetSetStatusCallbackW(session, nullptr);
        InternetCloseHandle(session);
        session = nullptr;
    }
}
