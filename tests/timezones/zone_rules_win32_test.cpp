// The portable zone rules must give the local time the system gives, for
// every zone of the registry: daily, and minute by minute around each change.
#include "timezones/zone_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "support/bounded_format.h"
#include "timezones/time_zone_catalogue.h"
#include "suntimes/test_zones.h"
#include "timezones/time_zone_registry.h"

namespace {

// Instants are FILETIME ticks (100 ns since 1601), converted by the system.
const uint64_t kSecond = 10000000ULL;
const uint64_t kMinute = 60 * kSecond;
const uint64_t kHour = 60 * kMinute;
const uint64_t kDay = 24 * kHour;

uint64_t TicksOf(WORD year, WORD month, WORD day) {
    SYSTEMTIME t = {};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    FILETIME ft;
    SystemTimeToFileTime(&t, &ft);
    return (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

SYSTEMTIME SystemTimeOf(uint64_t ticks) {
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(ticks);
    ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    SYSTEMTIME t;
    FileTimeToSystemTime(&ft, &t);
    return t;
}

std::wstring Describe(const SYSTEMTIME& t) {
    wchar_t text[64];
    FormatText(text, 64, L"%04u-%02u-%02u %02u:%02u:%02u.%03u wd%u", t.wYear, t.wMonth, t.wDay,
               t.wHour, t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek);
    return text;
}

// Local time minus UTC in minutes.
long OffsetMinutes(const SYSTEMTIME& local, uint64_t utcTicks) {
    FILETIME ft;
    SystemTimeToFileTime(&local, &ft);
    uint64_t localTicks = (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return static_cast<long>((static_cast<int64_t>(localTicks) - static_cast<int64_t>(utcTicks)) /
                             static_cast<int64_t>(kMinute));
}

struct NamedZone {
    std::wstring key;
    TIME_ZONE_INFORMATION rules;
};

// Compares both conversions at one instant; collects a description of any
// disagreement. Returns the offsets (minutes) that each side gives.
class Comparer {
  public:
    void At(const NamedZone& zone, uint64_t ticks, long* systemOffset = nullptr,
            long* portableOffset = nullptr) {
        ++comparisons_;
        const SYSTEMTIME utc = SystemTimeOf(ticks);
        SYSTEMTIME system = {}, portable = {};
        bool systemOk = SystemTimeToTzSpecificLocalTime(&zone.rules, &utc, &system) != 0;
        bool portableOk = ApplyZoneRules(&zone.rules, &utc, &portable);
        if (systemOffset != nullptr) *systemOffset = systemOk ? OffsetMinutes(system, ticks) : 0;
        if (portableOffset != nullptr)
            *portableOffset = portableOk ? OffsetMinutes(portable, ticks) : 0;
        if (systemOk == portableOk && (!systemOk || memcmp(&system, &portable, sizeof system) == 0))
            return;
        if (mismatches_.size() < 40) {
            std::wstring line = zone.key + L" at UTC " + Describe(utc) + L": system " +
                                (systemOk ? Describe(system) : L"failed") + L", portable " +
                                (portableOk ? Describe(portable) : L"failed");
            mismatches_.push_back(line);
        }
        ++mismatchCount_;
    }
    void ExpectNoMismatch() const {
        for (const std::wstring& line : mismatches_)
            ADD_FAILURE() << line;
        EXPECT_EQ(mismatchCount_, 0) << "of " << comparisons_ << " comparisons";
    }

  private:
    std::vector<std::wstring> mismatches_;
    long mismatchCount_ = 0;
    long comparisons_ = 0;
};

// The zones of the registry, then rule shapes that it does not hold.
std::vector<NamedZone> ZonesToCompare() {
    std::vector<NamedZone> zones;
    if (LoadTimeZoneCatalogue() == 1) {
        for (TimeZoneEntry* e = timeZoneCatalogue.head; e != nullptr; e = e->next)
            zones.push_back({e->keyName != nullptr ? e->keyName : L"?", e->zone});
        ClearTimeZoneCatalogue();
    }
    EXPECT_GT(zones.size(), 100u);
    // Absolute dates (the year is set): 15 March to 20 October.
    const SYSTEMTIME march = Time(2025, 3, 15, 2), october = Time(2025, 10, 20, 3);
    const std::pair<const wchar_t*, TIME_ZONE_INFORMATION> madeUp[] = {
        {L"standard bias without daylight time", Zone(60, -60, {}, {}, 30)},
        {L"standard bias with daylight time",
         Zone(300, -60, Recurring(3, 2, 0, 2), Recurring(11, 1, 0, 2), 15)},
        {L"absolute dates", Zone(-60, -60, march, october)},
        {L"changes at 23:59",
         Zone(-120, -60, Recurring(3, 5, 5, 23, 59), Recurring(10, 5, 6, 23, 59))},
        {L"daylight time over new year at midnight",
         Zone(-780, -60, Recurring(12, 1, 0, 0), Recurring(1, 3, 0, 0))},
        {L"two hours of daylight time",
         Zone(180, -120, Recurring(4, 1, 0, 1), Recurring(10, 4, 0, 1))},
        {L"both changes in one month", Zone(0, -60, Recurring(6, 1, 1, 3), Recurring(6, 4, 1, 3))},
        {L"fifth week in February", Zone(0, -60, Recurring(2, 5, 4, 3), Recurring(9, 5, 0, 3))},
        {L"positive daylight bias", Zone(-330, 45, Recurring(10, 1, 0, 2), Recurring(4, 1, 0, 2))},
    };
    for (const auto& [name, rules] : madeUp)
        zones.push_back({name, rules});
    return zones;
}

const uint64_t kFirstDay = TicksOf(2024, 1, 1);
const uint64_t kEndDay = TicksOf(2028, 1, 1);

// Compares every noon (UTC) from 2024 to 2027; finds every change of either
// side's offset between two noons, narrows it to the hour, and compares each
// minute of that hour (and the second before each minute), so both sides must
// change in the same minute.
std::vector<uint64_t> CompareAroundChanges(const NamedZone& zone, Comparer& compare) {
    std::vector<uint64_t> systemChanges;
    long systemBefore = 0, portableBefore = 0;
    compare.At(zone, kFirstDay - 12 * kHour, &systemBefore, &portableBefore);
    for (uint64_t noon = kFirstDay + 12 * kHour; noon < kEndDay; noon += kDay) {
        long systemNow = 0, portableNow = 0;
        compare.At(zone, noon, &systemNow, &portableNow);
        if (systemNow != systemBefore || portableNow != portableBefore) {
            long systemHour = systemBefore, portableHour = portableBefore;
            for (uint64_t hour = noon - kDay; hour < noon; hour += kHour) {
                long systemNext = 0, portableNext = 0;
                compare.At(zone, hour + kHour, &systemNext, &portableNext);
                if (systemNext == systemHour && portableNext == portableHour) continue;
                for (uint64_t minute = hour; minute <= hour + kHour + kMinute; minute += kMinute) {
                    long systemMinute = 0, systemLast = 0;
                    compare.At(zone, minute - kSecond, &systemLast);
                    compare.At(zone, minute, &systemMinute);
                    if (systemMinute != systemLast) systemChanges.push_back(minute);
                }
                systemHour = systemNext;
                portableHour = portableNext;
            }
        }
        systemBefore = systemNow;
        portableBefore = portableNow;
    }
    return systemChanges;
}

TEST(ZoneRulesAgainstSystem, EveryZoneAtEveryNoonAndChangingInTheSameMinute) {
    Comparer compare;
    int zonesWithChanges = 0;
    for (const NamedZone& zone : ZonesToCompare()) {
        std::vector<uint64_t> changes = CompareAroundChanges(zone, compare);
        if (!changes.empty()) ++zonesWithChanges;
        if (zone.key == L"Eastern Standard Time") {
            // The search itself must find the known changes of New York.
            ASSERT_EQ(changes.size(), 8u);
            EXPECT_EQ(Describe(SystemTimeOf(changes[0])), L"2024-03-10 07:00:00.000 wd0");
            EXPECT_EQ(Describe(SystemTimeOf(changes[1])), L"2024-11-03 06:00:00.000 wd0");
            EXPECT_EQ(Describe(SystemTimeOf(changes[6])), L"2027-03-14 07:00:00.000 wd0");
            EXPECT_EQ(Describe(SystemTimeOf(changes[7])), L"2027-11-07 06:00:00.000 wd0");
        }
        if (zone.key == L"AUS Eastern Standard Time") {
            ASSERT_EQ(changes.size(), 8u); // Sydney: daylight time across the new year
            EXPECT_EQ(Describe(SystemTimeOf(changes[0])), L"2024-04-06 16:00:00.000 wd6");
            EXPECT_EQ(Describe(SystemTimeOf(changes[1])), L"2024-10-05 16:00:00.000 wd6");
        }
    }
    EXPECT_GT(zonesWithChanges, 30);
    compare.ExpectNoMismatch();
}

} // namespace
