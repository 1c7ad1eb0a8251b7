#include "suntimes/time_zone_choice.h"

#include <cwchar>

#include "support/bounded_format.h"
#include "timezones/time_zone_catalogue.h"

namespace {

wchar_t chosenZoneKey[kZoneKeyLength] = L"";

// The catalogue entry with that key name (any case) and its position.
TimeZoneEntry* FindEntry(const wchar_t* keyName, int* index) {
    int position = 0;
    for (TimeZoneEntry* entry = timeZoneCatalogue.head; entry != nullptr;
         entry = entry->next, ++position) {
        if (entry->keyName != nullptr &&
            CompareZoneTextsIgnoringCase(entry->keyName, keyName) == 0) {
            if (index != nullptr) *index = position;
            return entry;
        }
    }
    return nullptr;
}

} // namespace

const wchar_t* ChosenZoneKey() {
    return chosenZoneKey;
}

bool ChooseZoneByKey(const wchar_t* keyName) {
    if (keyName == nullptr || keyName[0] == L'\0') return false;
    EnsureZoneCatalogue();
    const TimeZoneEntry* entry = FindEntry(keyName, nullptr);
    if (entry == nullptr || std::wcslen(entry->keyName) >= kZoneKeyLength) return false;
    CopyText(chosenZoneKey, kZoneKeyLength, entry->keyName);
    return true;
}

void ForgetChosenZone() {
    chosenZoneKey[0] = L'\0';
}

int ChosenZoneIndex() {
    if (chosenZoneKey[0] == L'\0') return -1;
    int index = -1;
    return FindEntry(chosenZoneKey, &index) != nullptr ? index : -1;
}
