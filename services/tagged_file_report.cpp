#include <cstdarg>
#include <cstdlib>
#include <cwchar>

#include "services/tagged_file_internal.h"
#include "support/bounded_format.h"
#include "support/error_report.h"

void ReportTaggedFailure(const TaggedFileCursor& cursor, const wchar_t* format, ...) {
    wchar_t message[kErrorMessageLength];
    va_list args;
    va_start(args, format);
    FormatTextV(message, kErrorMessageLength, format, args);
    va_end(args);
    const bool otherPending = HasPendingError();
    ReportErrorCategory(kErrorTaggedFile, L"%ls", message);
    if (otherPending || IsTaggedStringMode(cursor) || cursor.lineRead < 1) return;
    SetAppendNext();
    ReportErrorCategory(kErrorTaggedFile, L" at line %ld in \"%ls\"",
                        static_cast<long>(cursor.lineRead), cursor.fileName);
}

bool ReadTaggedInteger(const wchar_t* text, int64_t* value, const wchar_t** end) {
    *end = text;
    *value = 0;
    const wchar_t* p = SkipTaggedBlanks(text);
    const wchar_t* digits = (*p == L'+' || *p == L'-') ? p + 1 : p;
    if (!(*digits >= L'0' && *digits <= L'9')) return false;
    wchar_t* stop = nullptr;
    long long number = std::wcstoll(p, &stop, 0);
    // Far beyond any line or count: keep it out of range without overflowing
    // the sums it takes part in.
    const long long kBeyond = 0x100000000LL;
    if (number > kBeyond) number = kBeyond;
    if (number < -kBeyond) number = -kBeyond;
    *value = number;
    *end = stop;
    return true;
}
