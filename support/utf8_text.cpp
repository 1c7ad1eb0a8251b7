#include "support/utf8_text.h"

namespace {

const unsigned long kReplacement = 0xFFFD;

bool IsHighSurrogate(unsigned long c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(unsigned long c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The next code point of wide text; moves `p` past it.
unsigned long NextCodePoint(const wchar_t*& p) {
    unsigned long c = static_cast<unsigned long>(*p++);
    if (sizeof(wchar_t) == 2 && IsHighSurrogate(c)) {
        unsigned long low = static_cast<unsigned long>(*p);
        if (!IsLowSurrogate(low)) return kReplacement;
        ++p;
        return 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
    }
    if (IsHighSurrogate(c) || IsLowSurrogate(c) || c > 0x10FFFF) return kReplacement;
    return c;
}

// Length of the valid UTF-8 sequence at bytes[0..length) and its code point;
// 0 when the bytes there are not one.
int ValidSequence(const unsigned char* bytes, int length, unsigned long* codePoint) {
    unsigned char lead = bytes[0];
    int size;
    unsigned long c;
    if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4;
        c = lead & 0x07;
    } else {
        return 0;
    }
    if (size > length) return 0;
    for (int i = 1; i < size; ++i) {
        if ((bytes[i] & 0xC0) != 0x80) return 0;
        c = (c << 6) | (bytes[i] & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    static const unsigned long kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[size] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    *codePoint = c;
    return size;
}

} // namespace

bool PutCodePoint(unsigned long c, wchar_t* text, int capacity, int& count) {
    if (sizeof(wchar_t) == 2 && c >= 0x10000) {
        if (count + 2 > capacity - 1) return false;
        c -= 0x10000;
        text[count++] = static_cast<wchar_t>(0xD800 + (c >> 10));
        text[count++] = static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
        return true;
    }
    if (count + 1 > capacity - 1) return false;
    text[count++] = static_cast<wchar_t>(c);
    return true;
}

int EncodeUtf8(const wchar_t* text, char* bytes, int capacity) {
    if (bytes == nullptr || capacity <= 0) return -1;
    int count = 0;
    bytes[0] = '\0';
    for (const wchar_t* p = text; p != nullptr && *p != L'\0';) {
        unsigned long c = NextCodePoint(p);
        unsigned char piece[4];
        int size;
        if (c < 0x80) {
            piece[0] = static_cast<unsigned char>(c);
            size = 1;
        } else if (c < 0x800) {
            piece[0] = static_cast<unsigned char>(0xC0 | (c >> 6));
            piece[1] = static_cast<unsigned char>(0x80 | (c & 0x3F));
            size = 2;
        } else if (c < 0x10000) {
            piece[0] = static_cast<unsigned char>(0xE0 | (c >> 12));
            piece[1] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
            piece[2] = static_cast<unsigned char>(0x80 | (c & 0x3F));
            size = 3;
        } else {
            piece[0] = static_cast<unsigned char>(0xF0 | (c >> 18));
            piece[1] = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F));
            piece[2] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
            piece[3] = static_cast<unsigned char>(0x80 | (c & 0x3F));
            size = 4;
        }
        if (count + size > capacity - 1) {
            bytes[count] = '\0';
            return -1;
        }
        for (int i = 0; i < size; ++i)
            bytes[count++] = static_cast<char>(piece[i]);
    }
    bytes[count] = '\0';
    return count;
}

int DecodeUtf8(const char* bytes, int length, wchar_t* text, int capacity) {
    if (text == nullptr || capacity <= 0) return 0;
    int count = 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes);
    for (int i = 0; bytes != nullptr && i < length;) {
        unsigned long c = p[i];
        int size = 1;
        if (c >= 0x80) {
            unsigned long decoded;
            int valid = ValidSequence(p + i, length - i, &decoded);
            if (valid > 0) {
                c = decoded;
                size = valid;
            }
        }
        if (c != 0 && !PutCodePoint(c, text, capacity, count)) break;
        i += size;
    }
    text[count] = L'\0';
    return count;
}
