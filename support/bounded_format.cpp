#include "support/bounded_format.h"

#include <cwchar>

int FormatTextV(wchar_t* buffer, int capacity, const wchar_t* format, va_list args) {
    if (buffer == nullptr || capacity <= 0) return -1;
    buffer[0] = L'\0';
    if (format == nullptr) return 0;
    int written = vswprintf(buffer, static_cast<size_t>(capacity), format, args);
    buffer[capacity - 1] = L'\0';
    if (written < 0 || written >= capacity) {
        // The runtimes differ on what they leave behind on overflow; make sure
        // the buffer holds a terminated prefix and nothing beyond it.
        size_t kept = wcsnlen(buffer, static_cast<size_t>(capacity - 1));
        buffer[kept] = L'\0';
        return -1;
    }
    return written;
}

int FormatText(wchar_t* buffer, int capacity, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    int written = FormatTextV(buffer, capacity, format, args);
    va_end(args);
    return written;
}

int AppendText(wchar_t* buffer, int capacity, int& length, const wchar_t* format, ...) {
    if (buffer == nullptr || capacity <= 0) return -1;
    if (length < 0) length = 0;
    if (length >= capacity - 1) {
        length = capacity - 1;
        buffer[length] = L'\0';
        return -1;
    }
    va_list args;
    va_start(args, format);
    int written = FormatTextV(buffer + length, capacity - length, format, args);
    va_end(args);
    if (written < 0) {
        // Mark the buffer full so that no later piece lands behind a cut one.
        for (int i = length + static_cast<int>(wcslen(buffer + length)); i < capacity; ++i)
            buffer[i] = L'\0';
        length = capacity - 1;
        return -1;
    }
    length += written;
    return written;
}

int CopyText(wchar_t* buffer, int capacity, const wchar_t* source) {
    if (buffer == nullptr || capacity <= 0) return -1;
    int count = 0;
    if (source != nullptr) {
        while (source[count] != L'\0' && count < capacity - 1) {
            buffer[count] = source[count];
            ++count;
        }
    }
    buffer[count] = L'\0';
    return (source != nullptr && source[count] != L'\0') ? -1 : count;
}
