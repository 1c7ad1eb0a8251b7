// Where the pieces of a table or a file body go: every piece is counted, and
// written when there is a buffer, so that the count and the text cannot
// disagree and a buffer sized by the count is never overrun.
#pragma once

#include <cstdarg>
#include <cwchar>

#include "support/bounded_format.h"

class TableText {
  public:
    enum { kPieceLength = 256 };

    TableText(wchar_t* buffer, int capacity) : buffer_(buffer), capacity_(capacity) {}

    void Put(const wchar_t* piece) {
        if (piece == nullptr) return;
        needed_ += static_cast<long long>(wcslen(piece));
        if (buffer_ != nullptr && AppendText(buffer_, capacity_, length_, L"%ls", piece) < 0)
            cut_ = true;
    }
    void PutFormatted(const wchar_t* format, ...) {
        wchar_t piece[kPieceLength];
        va_list args;
        va_start(args, format);
        FormatTextV(piece, kPieceLength, format, args);
        va_end(args);
        Put(piece);
    }
    int Written() const {
        if (buffer_ == nullptr || capacity_ <= 0) return 0;
        return cut_ ? static_cast<int>(wcslen(buffer_)) : length_;
    }
    int Needed() const { return needed_ > 0x7fffffff ? 0x7fffffff : static_cast<int>(needed_); }

  private:
    wchar_t* buffer_;
    int capacity_;
    int length_ = 0;
    long long needed_ = 0;
    bool cut_ = false;
};
