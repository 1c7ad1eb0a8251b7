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
const uint64_t kSecond = 10000000ULL, kMinute = 60 * kSecond, kHour = 60 * kMinute,
               kDay = 24 * kHour;

uint64_t TicksOf(const SYSTEMTIME& t) {
    FILETIME ft;
    SystemTimeToFileTime(&t, &ft);
    return (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}
SYSTEMTIME SystemTimeOf(uint64_t ticks) {
    const FILETIME ft = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
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

struct NamedZone {
    std::wstring key;
    TIME_ZONE_INFORMATION rules;
};
// Local time minus UTC in minutes, as the system and as the portable rules
// give it (0 where a conversion failed).
using Offsets = std::pair<long, long>;

// Compares both conversions at each instant it is given, and keeps a
// description of the first disagreements.
class Comparer {
  public:
    Offsets At(const NamedZone& zone, uint64_t ticks) {
        ++comparisons_;
        const SYSTEMTIME utc = SystemTimeOf(ticks);
        SYSTEMTIME system = {}, portable = {};
        const bool systemOk = SystemTimeToTzSpecificLocalTime(&zone.rules, &utc, &system) != 0;
        const bool portableOk = ApplyZoneRules(&zone.rules, &utc, &portable);
        if (systemOk != portableOk ||
            (systemOk && memcmp(&system, &portable, sizeof system) != 0)) {
            if (mismatches_.size() < 40)
                mismatches_.push_back(zone.key + L" at UTC " + Describe(utc) + L": system " +
                                      (systemOk ? Describe(system) : L"failed") + L", portable " +
                                      (portableOk ? Describe(portable) : L"failed"));
            ++mismatchCount_;
        }
        auto minutes = [&](bool ok, const SYSTEMTIME& local) {
            return ok ? static_cast<long>(
                            (static_cast<int64_t>(TicksOf(local)) - static_cast<int64_t>(ticks)) /
                            static_cast<int64_t>(kMinute))
                      : 0L;
        };
        return {minutes(systemOk, system), minutes(portableOk, portable)};
    }
    void ExpectNoMismatch() const {
        for (const std::wstring& line : mismatches_)
            ADD_FAILURE() << line;
        EXPECT_EQ(mismatchCount_, 0) << "of " << comparisons_ << " comparisons";
    }

  private:
    std::vector<std::wstring> mismatches_;
    long mismatchCount_ = 0, comparisons_ = 0;
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
        {L"standard bias, two hours of daylight time",
         Zone(300, -120, Recurring(3, 2, 0, 2), Recurring(11, 1, 0, 2), 15)},
        {L"absolute dates", Zone(-60, -60, march, october)},
        {L"fifth week in February, changes at 23:59",
         Zone(-120, -60, Recurring(2, 5, 4, 23, 59), Recurring(10, 5, 6, 23, 59))},
        {L"positive bias over new year at midnight",
         Zone(-780, 45, Recurring(12, 1, 0, 0), Recurring(1, 3, 0, 0))},
        {L"both changes in one month", Zone(0, -60, Recurring(6, 1, 1, 3), Recurring(6, 4, 1, 3))},
    };
    for (const auto& [name, rules] : madeUp)
        zones.push_back({name, rules});
    return zones;
}

const uint64_t kFirstDay = TicksOf(Time(2024, 1, 1)), kEndDay = TicksOf(Time(2028, 1, 1));

// Compares every noon (UTC) from 2024 to 2027; finds every change of either
// side's offset between two noons, narrows it to the hour, and compares each
// minute of that hour (and the second before each minute), so both sides must
// change in the same minute. Returns the minutes where the system's changes.
std::vector<uint64_t> CompareAroundChanges(const NamedZone& zone, Comparer& compare) {
    std::vector<uint64_t> changes;
    Offsets before = compare.At(zone, kFirstDay - 12 * kHour);
    for (uint64_t noon = kFirstDay + 12 * kHour; noon < kEndDay; noon += kDay) {
        const Offsets now = compare.At(zone, noon);
        Offsets hourBefore = before;
        for (uint64_t hour = noon - kDay; now != before && hour < noon; hour += kHour) {
            const Offsets next = compare.At(zone, hour + kHour);
            if (next == hourBefore) continue;
            for (uint64_t minute = hour; minute <= hour + kHour + kMinute; minute += kMinute)
                if (compare.At(zone, minute).first != compare.At(zone, minute - kSecond).first)
                    changes.push_back(minute);
            hourBefore = next;
        }
        before = now;
    }
    return changes;
}

TEST(ZoneRulesAgainstSystem, EveryZoneAtEveryNoonAndChangingInTheSameMinute) {
    Comparer compare;
    int zonesWithChanges = 0;
    for (const NamedZone& zone : ZonesToCompare()) {
        const std::vector<uint64_t> changes = CompareAroundChanges(zone, compare);
        zonesWithChanges += !changes.empty();
        // The search itself must find the known changes of New York, and of
        // Sydney, with daylight time across the new year.
        const bool newYork = zone.key == L"Eastern Standard Time";
        if (newYork || zone.key == L"AUS Eastern Standard Time") {
            ASSERT_EQ(changes.size(), 8u) << zone.key;
            EXPECT_EQ(Describe(SystemTimeOf(changes[0])),
                      newYork ? L"2024-03-10 07:00:00.000 wd0" : L"2024-04-06 16:00:00.000 wd6");
            EXPECT_EQ(Describe(SystemTimeOf(changes[1])),
                      newYork ? L"2024-11-03 06:00:00.000 wd0" : L"2024-10-05 16:00:00.000 wd6");
        }
    }
    EXPECT_GT(zonesWithChanges, 30);
    compare.ExpectNoMismatch();
}

} // namespace
