#include "timezones/time_zone_catalogue.h"

#include <cwchar>
#include <new>

#include "support/bounded_format.h"
#include "support/error_report.h"

TimeZoneCatalogue timeZoneCatalogue = {};

namespace {

// Zones west of UTC while the catalogue is being built, in descending text
// order; linked in front of the catalogue when the build finishes.
struct WestList {
    TimeZoneEntry* first;
    TimeZoneEntry* last;
    int32_t count;
};
WestList westList = {};

wchar_t FoldCase(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
}

// A fresh heap copy of text; null when the heap is exhausted.
wchar_t* CopyToHeap(const wchar_t* text, int length) {
    wchar_t* copy = new (std::nothrow) wchar_t[length + 1];
    if (copy != nullptr) CopyText(copy, length + 1, text);
    return copy;
}

void FreeEntry(TimeZoneEntry* entry) {
    delete[] entry->displayName;
    delete[] entry->keyName;
    delete entry;
}

int FreeEntries(TimeZoneEntry* entry) {
    int freed = 0;
    while (entry != nullptr) {
        TimeZoneEntry* next = entry->next;
        FreeEntry(entry);
        entry = next;
        ++freed;
    }
    return freed;
}

TimeZoneEntry* CreateEntry(const wchar_t* displayName, const wchar_t* keyName,
                           const TIME_ZONE_INFORMATION* zone) {
    TimeZoneEntry* entry = new (std::nothrow) TimeZoneEntry{};
    if (entry == nullptr) {
        ReportErrorCategory(kErrorLinkedList, L"Insufficient Memory");
        return nullptr;
    }
    entry->displayLength = static_cast<int32_t>(wcslen(displayName));
    entry->displayName = CopyToHeap(displayName, entry->displayLength);
    if (entry->displayName == nullptr) {
        ReportErrorCategory(kErrorLinkedList, L"Insufficient Memory");
        delete entry;
        return nullptr;
    }
    if (keyName != nullptr) {
        entry->keyName = CopyToHeap(keyName, static_cast<int>(wcslen(keyName)));
        // The zone is still usable for computing; it only cannot be found by name.
        if (entry->keyName == nullptr)
            ReportErrorCategory(kErrorLinkedList, L"Insufficient Memory");
    }
    if (zone != nullptr) entry->zone = *zone;
    return entry;
}

// Ascending text order; an entry goes behind every equal one.
void InsertIntoCatalogue(TimeZoneEntry* entry) {
    TimeZoneCatalogue& list = timeZoneCatalogue;
    TimeZoneEntry* at = list.head;
    while (at != nullptr && CompareZoneTextsIgnoringCase(at->displayName, entry->displayName) <= 0)
        at = at->next;
    entry->next = at;
    entry->prev = at != nullptr ? at->prev : list.tail;
    if (entry->prev != nullptr)
        entry->prev->next = entry;
    else
        list.head = entry;
    if (at != nullptr)
        at->prev = entry;
    else
        list.tail = entry;
    ++list.count;
}

// Descending text order, found from the end: "(UTC-12:00)" sorts above
// "(UTC-11:00)" and "(UTC-03:30)" above "(UTC-03:00)", so the descending
// order of these texts runs from west to east.
void InsertIntoWestList(TimeZoneEntry* entry) {
    TimeZoneEntry* at = westList.last;
    while (at != nullptr && CompareZoneTextsIgnoringCase(at->displayName, entry->displayName) <= 0)
        at = at->prev;
    entry->prev = at;
    entry->next = at != nullptr ? at->next : westList.first;
    if (entry->next != nullptr)
        entry->next->prev = entry;
    else
        westList.last = entry;
    if (at != nullptr)
        at->next = entry;
    else
        westList.first = entry;
    ++westList.count;
}

} // namespace

int CompareZoneTextsIgnoringCase(const wchar_t* a, const wchar_t* b) {
    if (a == nullptr || b == nullptr) return (a != nullptr) - (b != nullptr);
    for (;; ++a, ++b) {
        // Code units compare as unsigned values on every platform.
        unsigned long x = static_cast<unsigned long>(FoldCase(*a));
        unsigned long y = static_cast<unsigned long>(FoldCase(*b));
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
}

int ClearTimeZoneCatalogue() {
    int freed = FreeEntries(timeZoneCatalogue.head) + FreeEntries(westList.first);
    timeZoneCatalogue = TimeZoneCatalogue{};
    westList = WestList{};
    return freed;
}

void BeginTimeZoneCatalogue() {
    ClearTimeZoneCatalogue();
}

int AddTimeZoneEntry(const wchar_t* displayName, const wchar_t* keyName,
                     const TIME_ZONE_INFORMATION* zone) {
    if (displayName == nullptr) return 0;
    TimeZoneEntry* entry = CreateEntry(displayName, keyName, zone);
    if (entry == nullptr) return 0;
    if (entry->displayLength > 4 && displayName[4] == L'-')
        InsertIntoWestList(entry);
    else
        InsertIntoCatalogue(entry);
    return 1;
}

void FinishTimeZoneCatalogue() {
    if (westList.first == nullptr) return;
    TimeZoneCatalogue& list = timeZoneCatalogue;
    TimeZoneEntry* firstNotWest = list.head;
    westList.last->next = firstNotWest;
    if (firstNotWest != nullptr)
        firstNotWest->prev = westList.last;
    else
        list.tail = westList.last;
    list.head = westList.first;
    list.count += westList.count;
    list.selectedZone = firstNotWest != nullptr ? firstNotWest : westList.first;
    westList = WestList{};
}

int FormatZoneOffset(const TIME_ZONE_INFORMATION* zone, wchar_t* out, int capacity) {
    if (zone == nullptr) return FormatText(out, capacity, L"");
    // Widen before taking the absolute value: LONG_MIN has no positive twin.
    long long bias = zone->Bias;
    long long magnitude = bias < 0 ? -bias : bias;
    // The name field may come from anywhere: read no further than its end.
    wchar_t name[32];
    int length = 0;
    while (length < 31 && zone->StandardName[length] != L'\0') {
        name[length] = zone->StandardName[length];
        ++length;
    }
    name[length] = L'\0';
    return FormatText(out, capacity, L"(UTC%ls%02d:%02d) %ls", bias > 0 ? L"-" : L"+",
                      static_cast<int>(magnitude / 60), static_cast<int>(magnitude % 60), name);
}

int FindZoneIndexByName(const wchar_t* keyName, const wchar_t* standardName) {
    // The key name is the zone's identifier and is found first; the standard
    // name equals it only for some zones (and never on localised systems).
    const wchar_t* const names[2] = {keyName, standardName};
    for (const wchar_t* name : names) {
        if (name == nullptr || name[0] == L'\0') continue;
        int index = 0;
        for (TimeZoneEntry* entry = timeZoneCatalogue.head; entry != nullptr;
             entry = entry->next, ++index) {
            if (entry->keyName != nullptr && wcscmp(entry->keyName, name) == 0) {
                timeZoneCatalogue.selectedZone = entry;
                return index;
            }
        }
    }
    timeZoneCatalogue.selectedZone = nullptr;
    ReportError(L"Local Timezone Not Found");
    return kZoneNotFound;
}
