// The help window's search: a text looked for without regard to case, line
// by line from the caret, forwards or backwards, wrapping round the text so
// that every line is visited once. Independent of the window: the lines come
// from a reader the caller supplies.
#pragma once

enum { kSearchLineLength = 8196 }; // a line as the search reads it, terminator included

struct SearchLines {
    int count;
    // Copies line `index` (without its line break) into buffer[0..capacity),
    // terminated, and returns its length.
    int (*read)(int index, wchar_t* buffer, int capacity, void* context);
    void* context;
};

enum SearchDirection { kSearchForwards, kSearchBackwards };

struct SearchHit {
    int line;   // -1: not found
    int column; // where the text begins in that line
};

// Looks for `text` from the caret (its line and column). On the caret's line
// a forward search takes the first match at or after the caret and a
// backward search the last one at or before it; `findAgain` 1 skips a match
// that begins exactly at the caret (the one found last), so that finding
// again moves on. Other lines count whole. The caret line's far side is not
// searched again after wrapping. Returns {-1, -1} when nothing matches, the
// text is empty, or "Insufficient Memory Storage" was reported.
SearchHit FindInLines(const SearchLines& lines, const wchar_t* text, int caretLine, int caretColumn,
                      SearchDirection direction, int findAgain);
