// The help window's search history: at most 25 texts, oldest first, no two
// equal when compared without regard to case, and a current entry that the
// arrow keys of the search box move. It outlives the help window and is kept
// in the [HELP] section of the settings file (services/help_section.h).
#pragma once

enum {
    kSearchHistoryLimit = 25,
    kSearchTextLength = 8196, // a search text, terminator included
    kNoSearchEntry = -1,
};

// Adds `text` (cut to kSearchTextLength - 1 characters) as the newest entry
// and makes it the current one. An entry equal to it but for case is taken
// out first, so the new spelling is kept; otherwise, with 25 entries, the
// oldest is dropped. An empty text is not added. Returns false when nothing
// was added; "Insufficient Memory" (category 8) is reported when the text
// could not be stored, and the history is then as it was.
bool AddSearchText(const wchar_t* text);

int SearchHistoryCount();
// Entry `index`, 0 being the oldest; null outside the history.
const wchar_t* SearchHistoryEntry(int index);

// The current entry's index, or kNoSearchEntry.
int CurrentSearchEntry();
// Makes `index` current (kNoSearchEntry or an index outside: none).
void SetCurrentSearchEntry(int index);
// Moves the current entry to its older (step -1) or newer (step +1)
// neighbour and returns that entry's text; null, and nothing moves, when
// there is no current entry or no such neighbour.
const wchar_t* StepSearchHistory(int step);

// Deletes the entries at `indices` (at most the 25 lowest of them; indices
// outside the history are left out), highest first. The current entry stays
// current when it is kept, else there is none. Returns the count deleted.
int DeleteSearchEntries(const int* indices, int count);

// Empties the history and frees its texts.
void ClearSearchHistory();
