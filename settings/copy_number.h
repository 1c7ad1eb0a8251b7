// Numbering the running copies of the program, so that each copy can shift
// its windows and copies do not cover each other exactly. Each copy owns the
// first free one of ten named mutexes for as long as it runs. Windows only.
#pragma once

#include <cstdint>

enum {
    kCopyCascadeStep = 25, // pixels per earlier running copy
    kLastCopyNumber = 9,
};

struct CopyNumber {
    int number;     // 0 for the first running copy, at most kLastCopyNumber
    int32_t offset; // kCopyCascadeStep for every number found taken
};

// Claims the first free number for the program named `programName` (the
// program file's name without folder and extension). A copy claims once; the
// mutex stays open until the process ends. When all ten are taken the number
// is kLastCopyNumber.
CopyNumber ClaimCopyNumber(const wchar_t* programName);
