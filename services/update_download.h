// Downloading the update site's pages and setup programs with the system's
// URL download service, on the update check's thread. Nothing here reports
// an error: a failure is only a result. Windows only.
#pragma once

#include <atomic>
#include <cstdio>

#include "support/platform_types.h"

struct DownloadLimits {
    const std::atomic<int>* closing; // set: every download and wait ends at once
    DWORD stallLimit;                // milliseconds without data after which a download is given up
};

// Downloads `address` to the file `path`. True only when the whole body
// arrived (as long as the server announced it); a download that failed,
// was cut short, stalled or was ended by `closing` leaves no file at `path`.
bool DownloadFile(const wchar_t* address, const wchar_t* path, const DownloadLimits& limits);

// Waits for a downloaded file to be complete and opens it for reading:
// polls its attributes every 10 ms until it has a write time and a non-zero
// size that did not change since the previous poll (200 polls at most),
// waits 200 ms, then tries up to 50 times, 200 ms apart, to open it. Null
// when it never became readable or `closing` was set.
FILE* OpenDownloadedFile(const wchar_t* path, const std::atomic<int>* closing);

// Sleeps `milliseconds` in steps of 10, ending early when `closing` is set.
// False when it ended early.
bool SleepUnlessClosing(DWORD milliseconds, const std::atomic<int>* closing);
