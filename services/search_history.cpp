#include "services/search_history.h"

#include <algorithm>
#include <cwchar>
#include <new>

#include "support/bounded_format.h"
#include "support/error_report.h"
#include "support/text_case.h"

namespace {

// Oldest first; the first `entryCount` slots hold texts of their own.
wchar_t* entries[kSearchHistoryLimit] = {};
int entryCount = 0;
int currentEntry = kNoSearchEntry;

void RemoveAt(int index) {
    delete[] entries[index];
    for (int i = index; i + 1 < entryCount; ++i)
        entries[i] = entries[i + 1];
    entries[--entryCount] = nullptr;
    if (currentEntry == index)
        currentEntry = kNoSearchEntry;
    else if (currentEntry > index)
        --currentEntry;
}

int FindEntry(const wchar_t* text) {
    for (int i = 0; i < entryCount; ++i)
        if (EqualIgnoringCase(entries[i], text)) return i;
    return kNoSearchEntry;
}

} // namespace

bool AddSearchText(const wchar_t* text) {
    if (text == nullptr || text[0] == L'\0') return false;
    const size_t length = std::min<size_t>(std::wcslen(text), kSearchTextLength - 1);
    wchar_t* copy = new (std::nothrow) wchar_t[length + 1];
    if (copy == nullptr) {
        ReportErrorCategory(kErrorLinkedList, L"Insufficient Memory");
        return false;
    }
    CopyText(copy, static_cast<int>(length + 1), text);
    const int equal = FindEntry(copy);
    if (equal != kNoSearchEntry)
        RemoveAt(equal);
    else if (entryCount == kSearchHistoryLimit)
        RemoveAt(0);
    entries[entryCount] = copy;
    currentEntry = entryCount++;
    return true;
}

int SearchHistoryCount() {
    return entryCount;
}

const wchar_t* SearchHistoryEntry(int index) {
    return index >= 0 && index < entryCount ? entries[index] : nullptr;
}

int CurrentSearchEntry() {
    return currentEntry;
}

void SetCurrentSearchEntry(int index) {
    currentEntry = index >= 0 && index < entryCount ? index : kNoSearchEntry;
}

const wchar_t* StepSearchHistory(int step) {
    if (currentEntry == kNoSearchEntry) return nullptr;
    const int next = currentEntry + (step < 0 ? -1 : 1);
    if (next < 0 || next >= entryCount) return nullptr;
    currentEntry = next;
    return entries[next];
}

int DeleteSearchEntries(const int* indices, int count) {
    if (indices == nullptr || count <= 0) return 0;
    // The distinct indices that name an entry: never more than the 25
    // entries, so they are the lowest 25 of those given.
    int chosen[kSearchHistoryLimit];
    int chosenCount = 0;
    for (int i = 0; i < count; ++i) {
        const int index = indices[i];
        if (index < 0 || index >= entryCount) continue;
        if (std::find(chosen, chosen + chosenCount, index) != chosen + chosenCount) continue;
        chosen[chosenCount++] = index;
    }
    std::sort(chosen, chosen + chosenCount);
    for (int i = chosenCount - 1; i >= 0; --i)
        RemoveAt(chosen[i]);
    return chosenCount;
}

void ClearSearchHistory() {
    while (entryCount > 0)
        RemoveAt(entryCount - 1);
    currentEntry = kNoSearchEntry;
}
