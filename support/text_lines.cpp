#include "support/text_lines.h"

#include <cwchar>
#include <new>

#include "support/utf8_text.h"

namespace {

// Bytes that still belong to the UTF-8 character that `lead` begins.
int ContinuationsAfter(unsigned char lead) {
    if (lead >= 0xF0) return 3;
    if (lead >= 0xE0) return 2;
    if (lead >= 0xC0) return 1;
    return 0;
}

} // namespace

bool ReadTextLine(FILE* file, wchar_t* line, int capacity) {
    if (line == nullptr || capacity <= 0) return false;
    line[0] = L'\0';
    if (file == nullptr || capacity < 2) return false;
    // A piece stops three bytes short of the limit, so that a character it
    // cuts can be completed and the decoded piece still fits.
    const int limit = (capacity < kTextLineLength ? capacity : kTextLineLength) - 1;
    const int pieceLimit = limit > 4 ? limit - 3 : 1;
    char bytes[kTextLineLength];
    int count = 0;
    int c = EOF;
    while (count < pieceLimit && (c = std::getc(file)) != EOF) {
        bytes[count++] = static_cast<char>(c);
        if (c == '\n') break;
    }
    if (count == 0) return false;
    if (c != '\n' && count == pieceLimit) {
        int lead = count - 1;
        while (lead > 0 && count - lead < 4 && (bytes[lead] & 0xC0) == 0x80)
            --lead;
        int missing =
            ContinuationsAfter(static_cast<unsigned char>(bytes[lead])) - (count - 1 - lead);
        while (missing-- > 0 && count < limit) {
            c = std::getc(file);
            if (c == EOF) break;
            if ((c & 0xC0) != 0x80) {
                std::ungetc(c, file);
                break;
            }
            bytes[count++] = static_cast<char>(c);
        }
    }
    int length = DecodeUtf8(bytes, count, line, capacity);
    if (length > 0 && line[0] == static_cast<wchar_t>(0xFEFF))
        std::wmemmove(line, line + 1, static_cast<size_t>(length));
    return true;
}

bool WriteTextUtf8(FILE* file, const wchar_t* text) {
    if (file == nullptr) return false;
    if (text == nullptr || text[0] == L'\0') return true;
    // Up to four bytes per character (two UTF-16 units never need more than four).
    const size_t length = std::wcslen(text);
    const size_t capacity = length * 4 + 1;
    char* bytes = new (std::nothrow) char[capacity];
    if (bytes == nullptr) return false;
    int written = EncodeUtf8(text, bytes, static_cast<int>(capacity));
    bool ok = written >= 0 && std::fwrite(bytes, 1, static_cast<size_t>(written), file) ==
                                  static_cast<size_t>(written);
    delete[] bytes;
    return ok && !std::ferror(file);
}
