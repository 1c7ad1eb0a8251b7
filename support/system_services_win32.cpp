#include "support/system_services.h"

#include <cwchar>

#include "support/bounded_format.h"

void GetUtcSystemTime(SYSTEMTIME* now) {
    GetSystemTime(now);
}

void ReadLocalClock(SYSTEMTIME* now) {
    GetLocalTime(now);
}

int LastErrorText(wchar_t* buffer, int capacity) {
    DWORD code = GetLastError();
    if (capacity <= 0) return 0;
    buffer[0] = L'\0';
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer,
                                  static_cast<DWORD>(capacity), nullptr);
    if (length == 0) {
        buffer[0] = L'\0';
        return 0;
    }
    buffer[capacity - 1] = L'\0';
    return static_cast<int>(wcslen(buffer));
}
