#include "timezones/time_zone_catalogue.h"
#include "timezones/time_zone_registry.h"

#include <cstring>
#include <ctime>
#include <new>

#include "support/bounded_format.h"

namespace {

const wchar_t kZonesKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

// A registry key name has at most 255 characters.
enum { kKeyNameChars = 256, kZoneKeyPathChars = 320 };

// No zone text comes near this; a larger value is not a zone's.
const DWORD kLargestStringValueBytes = 1 << 20;

// The "TZI" value as the registry stores it.
#pragma pack(push, 1)
struct RegistryZoneRules {
    LONG Bias;
    LONG StandardBias;
    LONG DaylightBias;
    SYSTEMTIME StandardDate;
    SYSTEMTIME DaylightDate;
};
#pragma pack(pop)
static_assert(sizeof(RegistryZoneRules) == 44, "TZI is 44 bytes");

bool OpenZoneKey(const wchar_t* keyName, HKEY* key) {
    if (keyName == nullptr || keyName[0] == L'\0') return false;
    wchar_t path[kZoneKeyPathChars];
    if (FormatText(path, kZoneKeyPathChars, L"%ls\\%ls", kZonesKey, keyName) < 0) return false;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, key) == ERROR_SUCCESS;
}

// Reads a string value whatever its length and keeps as much of it as fits
// into capacity characters (terminator included).
bool ReadStringValue(HKEY key, const wchar_t* name, wchar_t* out, int capacity) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || size > kLargestStringValueBytes) return false;
    // The value need not be terminated, nor even a whole number of characters.
    const DWORD units = (size + 1) / sizeof(wchar_t);
    wchar_t* value = new (std::nothrow) wchar_t[units + 1];
    if (value == nullptr) return false;
    DWORD got = size;
    LONG status = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &got);
    bool ok = status == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ) && got <= size;
    if (ok) {
        value[got / sizeof(wchar_t)] = L'\0';
        CopyText(out, capacity, value);
    }
    delete[] value;
    return ok;
}

bool ReadZoneRules(HKEY key, TIME_ZONE_INFORMATION* zone) {
    RegistryZoneRules rules;
    DWORD type = 0;
    DWORD size = sizeof rules;
    if (RegQueryValueExW(key, L"TZI", nullptr, &type, reinterpret_cast<BYTE*>(&rules), &size) !=
        ERROR_SUCCESS)
        return false;
    if (type != REG_BINARY || size != sizeof rules) return false;
    zone->Bias = rules.Bias;
    zone->StandardBias = rules.StandardBias;
    zone->DaylightBias = rules.DaylightBias;
    zone->StandardDate = rules.StandardDate;
    zone->DaylightDate = rules.DaylightDate;
    return true;
}

} // namespace

int ReadTimeZoneInfo(const wchar_t* keyName, TIME_ZONE_INFORMATION* zone) {
    if (zone == nullptr) return 0;
    HKEY key;
    if (!OpenZoneKey(keyName, &key)) return 0;
    const int nameChars = static_cast<int>(sizeof zone->StandardName / sizeof(wchar_t));
    bool ok = ReadZoneRules(key, zone) &&
              ReadStringValue(key, L"Dlt", zone->DaylightName, nameChars) &&
              ReadStringValue(key, L"Std", zone->StandardName, nameChars);
    RegCloseKey(key);
    return ok ? 1 : 0;
}

int ReadTimeZoneDisplay(const wchar_t* keyName, wchar_t* text) {
    if (text == nullptr) return 0;
    HKEY key;
    if (!OpenZoneKey(keyName, &key)) return 0;
    bool ok = ReadStringValue(key, L"Display", text, kZoneDisplayChars);
    RegCloseKey(key);
    return ok ? 1 : 0;
}

int LoadTimeZoneCatalogue() {
    HKEY zones;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kZonesKey, 0, KEY_READ, &zones) != ERROR_SUCCESS)
        return 0;
    BeginTimeZoneCatalogue();
    // Display texts can be long; one buffer serves every zone.
    static wchar_t display[kZoneDisplayChars];
    for (DWORD index = 0;; ++index) {
        wchar_t keyName[kKeyNameChars];
        DWORD keyLength = kKeyNameChars;
        if (RegEnumKeyExW(zones, index, keyName, &keyLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        TIME_ZONE_INFORMATION zone = {};
        if (!ReadTimeZoneInfo(keyName, &zone)) continue;
        if (!ReadTimeZoneDisplay(keyName, display)) continue;
        AddTimeZoneEntry(display, keyName, &zone);
    }
    RegCloseKey(zones);
    FinishTimeZoneCatalogue();
    return 1;
}

int FindComputerZoneIndex() {
    _tzset();
    DYNAMIC_TIME_ZONE_INFORMATION dynamic = {};
    if (GetDynamicTimeZoneInformation(&dynamic) == TIME_ZONE_ID_INVALID)
        dynamic.TimeZoneKeyName[0] = L'\0';
    dynamic.TimeZoneKeyName[sizeof dynamic.TimeZoneKeyName / sizeof(wchar_t) - 1] = L'\0';
    TIME_ZONE_INFORMATION zone = {};
    if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) zone.StandardName[0] = L'\0';
    zone.StandardName[sizeof zone.StandardName / sizeof(wchar_t) - 1] = L'\0';
    return FindZoneIndexByName(dynamic.TimeZoneKeyName, zone.StandardName);
}
