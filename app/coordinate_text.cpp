#include "app/coordinate_text.h"

#include <cwchar>

#include "support/bounded_format.h"

CoordinateFilter FilterCoordinateText(const wchar_t* text, double limit, wchar_t* out,
                                      int capacity) {
    CoordinateFilter result{0, false, 0.0};
    if (capacity <= 0) return result;
    int length = 0;
    bool pointKept = false;
    for (int i = 0; text[i] != L'\0'; ++i) {
        const wchar_t c = text[i];
        const bool keep =
            (c >= L'0' && c <= L'9') || (c == L'.' && !pointKept) || (c == L'-' && i == 0);
        if (!keep) {
            ++result.dropped;
            continue;
        }
        if (c == L'.') pointKept = true;
        if (length < capacity - 1) out[length++] = c;
    }
    out[length] = L'\0';

    // "", "-", "." and "-." convert to 0, as the field reads them.
    result.value = std::wcstod(out, nullptr);
    if (result.value < -limit || result.value > limit) {
        result.value = result.value < 0 ? -limit : limit;
        result.clamped = true;
        ++result.dropped;
        FormatText(out, capacity, L"%.1f", result.value);
    }
    return result;
}

int CaretAfterFilter(int caret, int dropped, int textLength) {
    const int moved = caret - dropped;
    if (moved < 0) return 0;
    return moved > textLength ? textLength : moved;
}

int FormatCoordinate(double value, wchar_t* out, int capacity) {
    int length = FormatText(out, capacity, L"%.6f", value);
    if (length < 0) return -1;
    if (std::wcschr(out, L'.') != nullptr) {
        while (length > 0 && out[length - 1] == L'0')
            out[--length] = L'\0';
        if (length > 0 && out[length - 1] == L'.') out[--length] = L'\0';
    }
    // A value that rounds to nothing south or west of 0 is still 0.
    if (std::wcscmp(out, L"-0") == 0) length = CopyText(out, capacity, L"0");
    return length;
}
