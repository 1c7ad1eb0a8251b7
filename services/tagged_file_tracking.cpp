// The timing trace of tagged-file runs: "DefaultTrackingFile.txt" in the
// working folder records, for every traced step, the time since the previous
// step, the line number and the data text or script command.
#include <chrono>
#include <cstdarg>
#include <cwchar>
#include <memory>
#include <new>

#include "datetime/date_time_format.h"
#include "services/tagged_file_internal.h"
#include "support/bounded_format.h"
#include "support/file_system.h"

const wchar_t kTaggedTrackingFileName[] = L"DefaultTrackingFile.txt";

namespace {

// Characters of the fixed parts of a trace line.
const int kTracePieceLength = 128;

// Ticks are kept modulo this; the value itself means "no previous step".
const long kNoPreviousTick = 1000000000L;

// The trace's state lasts across runs until F_FILE=F switches it off.
struct TrackingState {
    bool on;
    bool startNewFile;                    // the next write starts the file afresh
    long previousTick;                    // milliseconds modulo kNoPreviousTick
    wchar_t announced[kTaggedTextLength]; // file of the last announcement
};
TrackingState tracking = {false, false, kNoPreviousTick, L""};

long TickNow() {
    using namespace std::chrono;
    auto now = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<long>(now % kNoPreviousTick);
}

bool SameTextIgnoringCase(const wchar_t* a, const wchar_t* b) {
    for (;; ++a, ++b) {
        wchar_t x = *a, y = *b;
        if (x >= L'a' && x <= L'z') x = static_cast<wchar_t>(x - 32);
        if (y >= L'a' && y <= L'z') y = static_cast<wchar_t>(y - 32);
        if (x != y) return false;
        if (x == L'\0') return true;
    }
}

bool WriteStep(FILE* file, const TaggedFileCursor& cursor, const wchar_t* text) {
    wchar_t piece[kTracePieceLength];
    bool ok = true;
    if (tracking.startNewFile) {
        tracking.previousTick = kNoPreviousTick;
        tracking.startNewFile = false;
        tracking.announced[0] = L'\0';
        ok = WriteTextUtf8(file, L"//File_Tracking_file\n");
    }
    if (!SameTextIgnoringCase(cursor.fileName, tracking.announced)) {
        CaptureLocalDateTime();
        FormatDateTime(0);
        FormatText(piece, kTracePieceLength, L"//%ls Tagged File Spec: \"", DateTimeText());
        ok = ok && WriteTextUtf8(file, piece) && WriteTextUtf8(file, cursor.fileName);
        FormatText(piece, kTracePieceLength, L"\": Lines %ld to %ld\n",
                   static_cast<long>(cursor.firstLine), static_cast<long>(cursor.lastLine));
        ok = ok && WriteTextUtf8(file, piece);
        CopyText(tracking.announced, kTaggedTextLength, cursor.fileName);
    }
    const long tick = TickNow();
    long elapsed = 0;
    if (tracking.previousTick != kNoPreviousTick)
        elapsed = (tick - tracking.previousTick + kNoPreviousTick) % kNoPreviousTick;
    tracking.previousTick = tick;
    FormatText(piece, kTracePieceLength, L"t=%d.%03ds Line %ld: ", static_cast<int>(elapsed / 1000),
               static_cast<int>(elapsed % 1000), static_cast<long>(cursor.lineRead));
    ok = ok && WriteTextUtf8(file, piece) && WriteTextUtf8(file, text);
    const size_t length = std::wcslen(text);
    if (length == 0 || text[length - 1] != L'\n') ok = ok && WriteTextUtf8(file, L"\n");
    return ok;
}

} // namespace

bool TaggedTrackingOn() {
    return tracking.on;
}

void ResetTaggedTracking() {
    tracking.on = false;
    tracking.startNewFile = false;
    tracking.previousTick = kNoPreviousTick;
    tracking.announced[0] = L'\0';
}

void SwitchTaggedTracking(wchar_t mode) {
    if (mode == L'T' || mode == L'N') {
        tracking.on = true;
        tracking.startNewFile = mode == L'N';
    } else {
        tracking.on = false;
    }
}

bool TraceTaggedStep(const TaggedFileCursor& cursor, const wchar_t* format, ...) {
    if (!tracking.on) {
        tracking.previousTick = kNoPreviousTick;
        return true;
    }
    std::unique_ptr<wchar_t[]> text(new (std::nothrow) wchar_t[kTaggedTextLength + 32]);
    if (!text) {
        ReportTaggedFailure(cursor, L"Insufficient Memory Storage");
        return false;
    }
    va_list args;
    va_start(args, format);
    FormatTextV(text.get(), kTaggedTextLength + 32, format, args);
    va_end(args);

    FILE* file = OpenFileAt(kTaggedTrackingFileName, tracking.startNewFile ? "w" : "a");
    if (file == nullptr) {
        ReportTaggedFailure(cursor, L"Unable to open File Tracking file: \"%ls\"",
                            kTaggedTrackingFileName);
        return false;
    }
    bool written = WriteStep(file, cursor, text.get());
    if (std::fclose(file) != 0) written = false;
    if (!written) {
        ReportTaggedFailure(cursor, L"Tracking File Write Failure: %ls", kTaggedTrackingFileName);
        return false;
    }
    return true;
}
