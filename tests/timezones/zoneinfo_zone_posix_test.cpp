// Zone records from the zoneinfo database against glibc's own reading of it,
// named examples, refused names and damaged files.
#include "timezones/zoneinfo_zone.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "timezones/utc_seconds.h"
#include "timezones/zone_rules.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

const std::string kZoneDir = "/usr/share/zoneinfo";

// Sets (null: unsets) an environment variable for one scope, then puts the old value
// back; glibc's zone is refreshed each time unless told not to.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value, bool refresh = true) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        Set(value, refresh);
    }
    ~ScopedEnv() { Set(old_ ? old_->c_str() : nullptr, true); }

  private:
    void Set(const char* value, bool refresh) {
        value != nullptr ? setenv(name_.c_str(), value, 1) : unsetenv(name_.c_str());
        if (refresh) tzset();
    }
    std::string name_;
    std::optional<std::string> old_;
};

// A temporary folder, removed with everything in it at the end of the scope.
struct TempDir {
    TempDir() {
        char pattern[] = "/tmp/zelmora_zoneinfo_XXXXXX";
        if (mkdtemp(pattern) != nullptr) path = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        if (!path.empty()) fs::remove_all(path, ignored);
    }
    std::string Write(const std::string& relative, const Bytes& bytes) const {
        const std::string full = path + "/" + relative;
        unlink(full.c_str()); // a new file each time: rewriting one in place makes ext4 flush it
        std::ofstream(full, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return full;
    }
    std::string path;
};

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every TZif zone under the zoneinfo folder, once per file (links to the same
// file are the same zone), without the posix/ and right/ copies.
std::vector<std::string> AllZones() {
    std::vector<std::string> names, zones;
    const auto options = fs::directory_options::follow_directory_symlink;
    for (auto it = fs::recursive_directory_iterator(kZoneDir, options);
         it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = it->path().string().substr(kZoneDir.size() + 1);
        if (it.depth() == 0 && (name == "posix" || name == "right")) {
            it.disable_recursion_pending();
        } else if (it->is_regular_file()) {
            const Bytes bytes = ReadAll(it->path());
            if (bytes.size() >= 4 && std::memcmp(bytes.data(), "TZif", 4) == 0)
                names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    std::set<std::pair<dev_t, ino_t>> seen;
    for (const std::string& name : names) {
        struct stat info;
        if (stat((kZoneDir + "/" + name).c_str(), &info) == 0 &&
            seen.insert(std::make_pair(info.st_dev, info.st_ino)).second)
            zones.push_back(name);
    }
    return zones;
}

SYSTEMTIME Utc(int year, int month, int day, int hour, int minute) {
    SYSTEMTIME t;
    SecondsToSystemTime(DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60, &t);
    return t;
}

int DayOfYear(int year, int month, int day) {
    return static_cast<int>(DaysFromCivil(year, month, day) - DaysFromCivil(year, 1, 1));
}

// Minutes east of UTC that a record gives at a UTC instant.
int OffsetMinutesAt(const TIME_ZONE_INFORMATION& record, const SYSTEMTIME& utc) {
    SYSTEMTIME local;
    if (!ApplyZoneRules(&record, &utc, &local)) return 100000;
    return static_cast<int>((SystemTimeToSeconds(&local) - SystemTimeToSeconds(&utc)) / 60);
}

// Minutes east of UTC that the year's records give at 12:00 UTC of a date.
int NoonOffsetMinutes(const ZoneYear& zy, int year, int month, int day) {
    return OffsetMinutesAt(zy.records[zy.recordOfDay[DayOfYear(year, month, day)]],
                           Utc(year, month, day, 12, 0));
}

// Year, month, day, hour and minute of a date.
std::vector<int> Date(const SYSTEMTIME& t) {
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute};
}

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

// A loaded year is usable: record indices in range, every day's record valid,
// index 365 of a common year repeating day 364.
void ExpectSaneYear(const ZoneYear& zy, int year) {
    ASSERT_GE(zy.recordCount, 1);
    ASSERT_LE(zy.recordCount, static_cast<int>(kZoneYearMaxRecords));
    const int days = DayOfYear(year, 12, 31) + 1;
    for (int d = 0; d < 366; ++d)
        ASSERT_LT(zy.recordOfDay[d], zy.recordCount) << d;
    EXPECT_TRUE(days == 366 || zy.recordOfDay[365] == zy.recordOfDay[364]);
    for (int d = 0; d < days; ++d) {
        SYSTEMTIME utc, local;
        SecondsToSystemTime((DaysFromCivil(year, 1, 1) + d) * 86400 + 43200, &utc);
        ASSERT_TRUE(ApplyZoneRules(&zy.records[zy.recordOfDay[d]], &utc, &local)) << d;
    }
}

// Loads a year of a zone and checks what holds for every zone: the number of
// records, a usable record for every day, and the zone name (cut to 31
// characters) in every record; with more than one record, none has daylight time.
ZoneYear LoadYear(const char* zone, int year, int records) {
    ZoneYear zy;
    wchar_t error[256];
    EXPECT_TRUE(LoadZoneYear(zone, year, &zy, error, 256)) << zone << " " << year;
    EXPECT_EQ(zy.recordCount, records) << zone << " " << year;
    ExpectSaneYear(zy, year);
    for (int r = 0; r < zy.recordCount; ++r) {
        EXPECT_EQ(zy.records[r].StandardName, Wide(zone).substr(0, 31));
        EXPECT_EQ(zy.records[r].DaylightName, Wide(zone).substr(0, 31));
        EXPECT_EQ(zy.records[r].StandardBias, 0);
        EXPECT_TRUE(records == 1 || zy.records[r].DaylightDate.wMonth == 0) << zone;
    }
    return zy;
}

} // namespace

// For every zone and every day, the local time at 12:00 UTC that the records
// give is glibc's. Days whose offset is not a whole number of minutes are left
// out and counted.
TEST(ZoneinfoZone, MatchesGlibcForEveryZoneAtNoonUtc) {
    ScopedEnv noTzdir("TZDIR", nullptr);
    const std::vector<std::string> zones = AllZones();
    ASSERT_GT(zones.size(), 300u) << "zoneinfo database missing? (apt-get install tzdata)";

    // Every zone in 2026, 2060 and 2100 and in every third year of 1970-2040,
    // the third rotating with the zone, so that every year of 1970-2040 is
    // checked for a third of the zones (all of them is too slow under the
    // sanitizers; ZELMORA_FULL_ZONE_SWEEP=1 checks every year of every zone).
    const bool fullSweep = std::getenv("ZELMORA_FULL_ZONE_SWEEP") != nullptr;
    const auto started = std::chrono::steady_clock::now();
    std::set<std::string> excludedZones;
    long zoneYears = 0, checked = 0, excluded = 0, failures = 0;
    for (size_t zoneIndex = 0; zoneIndex < zones.size(); ++zoneIndex) {
        const std::string& zone = zones[zoneIndex];
        ScopedEnv tz("TZ", (":" + zone).c_str());
        std::vector<int> years = {2060, 2100};
        for (int y = 1970; y <= 2040; ++y)
            if (fullSweep || y == 2026 || (static_cast<size_t>(y) + zoneIndex) % 3 == 0)
                years.push_back(y);
        for (int year : years) {
            ++zoneYears;
            ZoneYear zy;
            wchar_t error[256];
            if (!LoadZoneYear(zone.c_str(), year, &zy, error, 256)) {
                ADD_FAILURE() << zone << " " << year << ": not loaded";
                ++failures;
                continue;
            }
            for (int d = 0; d <= DayOfYear(year, 12, 31); ++d) {
                const int64_t noon = (DaysFromCivil(year, 1, 1) + d) * 86400 + 43200;
                const time_t t = static_cast<time_t>(noon);
                struct tm expected;
                ASSERT_NE(localtime_r(&t, &expected), nullptr);
                if (expected.tm_gmtoff % 60 != 0) {
                    ++excluded;
                    excludedZones.insert(zone);
                    continue;
                }
                ++checked;
                SYSTEMTIME utc, local;
                SecondsToSystemTime(noon, &utc);
                const int r = zy.recordOfDay[d];
                bool ok = r < zy.recordCount && ApplyZoneRules(&zy.records[r], &utc, &local);
                ok = ok && local.wYear == expected.tm_year + 1900 &&
                     local.wMonth == expected.tm_mon + 1 && local.wDay == expected.tm_mday &&
                     local.wHour == expected.tm_hour && local.wMinute == expected.tm_min &&
                     local.wSecond == expected.tm_sec;
                if (!ok && ++failures <= 20) {
                    ADD_FAILURE() << zone << " " << year << " day " << d << ": records give "
                                  << local.wHour << ":" << local.wMinute << " on day " << local.wDay
                                  << ", glibc " << expected.tm_hour << ":" << expected.tm_min
                                  << " on day " << expected.tm_mday << " (offset "
                                  << expected.tm_gmtoff << " s)";
                }
            }
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("zoneinfo differential: %zu zones, %ld zone-years, %ld zone-days equal to glibc, "
                "%ld zone-days excluded (offset not a whole minute, in %zu zones), %ld failures, "
                "%.1f s\n",
                zones.size(), zoneYears, checked, excluded, excludedZones.size(), failures,
                seconds);
    for (const std::string& zone : excludedZones)
        std::printf("  sub-minute offsets: %s\n", zone.c_str());
    EXPECT_EQ(failures, 0);
}

TEST(ZoneinfoZone, YearsOfOneRecord) {
    // clang-format off
    const struct {
        const char* zone;
        int year, bias, daylightBias;
        std::vector<int> daylight, standard; // the changes; none: no daylight time
        std::vector<std::array<int, 5>> instants; // month, day, hour, minute UTC: minutes east
    } cases[] = {
        // Daylight time from 02:00 EST to 02:00 EDT; past the file's table
        // (2037 in a "fat" file, 2007 in a "slim" one) from the footer rule.
        {"America/New_York", 2026, 300, -60, {2026, 3, 8, 2, 0}, {2026, 11, 1, 2, 0},
         {{3, 8, 6, 59, -300}, {3, 8, 7, 0, -240}, {11, 1, 5, 59, -240}, {11, 1, 6, 0, -300}}},
        {"America/New_York", 2060, 300, -60, {2060, 3, 14, 2, 0}, {2060, 11, 7, 2, 0}, {}},
        {"America/New_York", 2100, 300, -60, {2100, 3, 14, 2, 0}, {2100, 11, 7, 2, 0}, {}},
        {"US/Eastern", 2026, 300, -60, {2026, 3, 8, 2, 0}, {2026, 11, 1, 2, 0}, {}}, // a link
        // Southern order: standard time from 03:00 AEDT, daylight from 02:00 AEST.
        {"Australia/Sydney", 2026, -600, -60, {2026, 10, 4, 2, 0}, {2026, 4, 5, 3, 0},
         {{4, 4, 15, 59, 660}, {4, 4, 16, 0, 600}, {10, 3, 15, 59, 600}, {10, 3, 16, 0, 660}}},
        {"Europe/London", 2026, 0, -60, {2026, 3, 29, 1, 0}, {2026, 10, 25, 2, 0},
         {{3, 29, 0, 59, 0}, {3, 29, 1, 0, 60}, {10, 25, 0, 59, 60}, {10, 25, 1, 0, 0}}},
        // zoneinfo calls Irish winter time the daylight phase (save -1 h); the
        // record calls the larger offset daylight time, as Windows does.
        {"Europe/Dublin", 2026, 0, -60, {2026, 3, 29, 1, 0}, {2026, 10, 25, 2, 0}, {}},
        // Half-hour daylight time; Nuuk's changes at -1:00 and 0:00 local.
        {"Australia/Lord_Howe", 2030, -630, -30, {2030, 10, 6, 2, 0}, {2030, 4, 7, 2, 0}, {}},
        {"America/Nuuk", 2060, 120, -60, {2060, 3, 27, 23, 0}, {2060, 10, 31, 0, 0}, {}},
        // Quarter-hour zone (+05:30 until the end of 1985); no daylight time.
        {"Asia/Kathmandu", 2026, -345, 0, {}, {}, {}}, {"Asia/Kathmandu", 1985, -330, 0, {}, {}, {}},
        {"Asia/Tokyo", 2026, -540, 0, {}, {}, {{8, 1, 20, 30, 540}}},
        {"Etc/UTC", 2026, 0, 0, {}, {}, {}}, {"Europe/Istanbul", 2017, -180, 0, {}, {}, {}},
        // 32 characters: the names keep 31.
        {"America/Argentina/ComodRivadavia", 2026, 180, 0, {}, {}, {}},
        // Local mean time -0:44:30, rounded to the nearest minute.
        {"Africa/Monrovia", 1971, 45, 0, {}, {}, {}}};
    // clang-format on
    for (const auto& c : cases) {
        const ZoneYear zy = LoadYear(c.zone, c.year, 1);
        const TIME_ZONE_INFORMATION& r = zy.records[0];
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.year));
        EXPECT_EQ(std::count(zy.recordOfDay, zy.recordOfDay + 366, 0), 366);
        EXPECT_EQ(r.Bias, c.bias);
        EXPECT_EQ(r.DaylightBias, c.daylightBias);
        EXPECT_EQ(r.DaylightDate.wMonth, c.daylight.empty() ? 0 : c.daylight[1]);
        if (!c.daylight.empty()) {
            EXPECT_EQ(Date(r.DaylightDate), c.daylight);
            EXPECT_EQ(Date(r.StandardDate), c.standard);
        }
        for (const auto& i : c.instants)
            EXPECT_EQ(OffsetMinutesAt(r, Utc(c.year, i[0], i[1], i[2], i[3])), i[4])
                << i[0] << "-" << i[1] << " " << i[2] << ":" << i[3];
    }
}

TEST(ZoneinfoZone, YearsOfSeveralRecordsGiveEachNoonItsOffset) {
    // clang-format off
    const struct {
        const char* zone;
        int year, records;
        std::vector<std::array<int, 3>> noons; // month, day: minutes east at 12:00 UTC
    } cases[] = {
        // Local mean time until 7 January 1972.
        {"Africa/Monrovia", 1972, 2, {{1, 6, -45}, {1, 7, 0}}},
        // Summer time from 29 March, suspended for Ramadan 14 June to 19 July,
        // ended 25 October: four changes, two records; and a leap year.
        {"Africa/Casablanca", 2015, 2,
         {{3, 28, 0}, {3, 29, 60}, {6, 13, 60}, {6, 14, 0}, {7, 18, 0}, {7, 19, 60}, {10, 24, 60},
          {10, 25, 0}}},
        {"Africa/Casablanca", 2016, 2, {}},
        // One change (Turkey kept summer time from 27 March 2016).
        {"Europe/Istanbul", 2016, 2, {{3, 26, 120}, {3, 27, 180}, {12, 31, 180}}}};
    // clang-format on
    for (const auto& c : cases) {
        const ZoneYear zy = LoadYear(c.zone, c.year, c.records);
        for (const auto& n : c.noons)
            EXPECT_EQ(NoonOffsetMinutes(zy, c.year, n[0], n[1]), n[2])
                << c.zone << " " << c.year << "-" << n[0] << "-" << n[1];
    }
}

TEST(ZoneinfoZone, RefusesUnknownZonesAndUnsafeNames) {
    const std::string tooLong(300, 'a');
    // clang-format off
    const struct {
        const char* zone;
        int year;
        const wchar_t* error; // null: not looked at
    } cases[] = {
        {"Nowhere/Atlantis", 2026, L"Unknown time zone: Nowhere/Atlantis"},
        {"../zoneinfo/Europe/Paris", 2026, L"Invalid time zone name: ../zoneinfo/Europe/Paris"},
        {"Europe", 2026, L"Unknown time zone: Europe"},                  // a folder
        {"zone1970.tab", 2026, L"Invalid time zone file: zone1970.tab"}, // not TZif
        {"Europe/Paris", 1699, L"Invalid Year: 1699"}, {"Europe/Paris", 10000, nullptr},
        {"Europe/../Europe/Paris", 2026, nullptr}, {"/usr/share/zoneinfo/Europe/Paris", 2026, nullptr},
        {"", 2026, nullptr}, {nullptr, 2026, nullptr}, {tooLong.c_str(), 2026, nullptr}};
    // clang-format on
    ZoneYear zy;
    wchar_t error[256];
    for (const auto& c : cases) {
        zy.recordCount = 99;
        EXPECT_FALSE(LoadZoneYear(c.zone, c.year, &zy, error, 256)) << c.zone << " " << c.year;
        EXPECT_EQ(zy.recordCount, 0);
        EXPECT_STREQ(error, c.error != nullptr ? c.error : error);
    }
    // A short buffer gets a cut message; a missing one is fine.
    EXPECT_FALSE(LoadZoneYear("Nowhere/Atlantis", 2026, &zy, error, 8));
    EXPECT_STREQ(error, L"Unknown");
    EXPECT_FALSE(LoadZoneYear("Nowhere/Atlantis", 2026, &zy, nullptr, 0));
    EXPECT_FALSE(LoadZoneYear("Europe/Paris", 2026, nullptr, error, 256));
}

namespace {

// A zoneinfo folder of the test's own (TZDIR) for damaged and special files.
class ZoneinfoFile : public ::testing::Test {
  protected:
    TempDir dir;
    ScopedEnv tzdir{"TZDIR", dir.path.c_str()};
    ZoneYear zy;
    wchar_t error[256];

    bool Loads(const char* zone) { return LoadZoneYear(zone, 2026, &zy, error, 256); }
    // Writes the file of the zone "Zone" and loads its 2026.
    bool LoadsAsZone(const Bytes& bytes) {
        dir.Write("Zone", bytes);
        return Loads("Zone");
    }
};

uint32_t GetU32(const Bytes& bytes, size_t at) {
    return (static_cast<uint32_t>(bytes[at]) << 24) | (static_cast<uint32_t>(bytes[at + 1]) << 16) |
           (static_cast<uint32_t>(bytes[at + 2]) << 8) | bytes[at + 3];
}

void PutU32(Bytes* bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        (*bytes)[at + i] = static_cast<unsigned char>(value >> (24 - 8 * i));
}

// Offset of the second (64-bit) header of a version 2+ file.
size_t SecondHeader(const Bytes& b) {
    const uint64_t timecnt = GetU32(b, 32), typecnt = GetU32(b, 36), charcnt = GetU32(b, 40),
                   leapcnt = GetU32(b, 28), isstd = GetU32(b, 24), isut = GetU32(b, 20);
    return static_cast<size_t>(44 + timecnt * 5 + typecnt * 6 + charcnt + leapcnt * 8 + isstd +
                               isut);
}

} // namespace

TEST_F(ZoneinfoFile, TzdirChoosesTheDatabase) {
    fs::create_directory(dir.path + "/Test");
    dir.Write("Test/Zone", ReadAll(kZoneDir + "/Asia/Kolkata"));
    ASSERT_TRUE(Loads("Test/Zone"));
    EXPECT_EQ(zy.records[0].Bias, -330);
    EXPECT_STREQ(zy.records[0].StandardName, L"Test/Zone");
    EXPECT_FALSE(Loads("Europe/Paris"));
}

TEST_F(ZoneinfoFile, SpecialFilesAreRefusedWithoutBlocking) {
    const std::string fifo = dir.path + "/Fifo", loop = dir.path + "/Loop";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(Loads("Fifo"));
    EXPECT_STREQ(error, L"Unknown time zone: Fifo");
    {
        ScopedEnv tz("TZ", (":" + fifo).c_str(), false); // glibc's tzset would block on it
        TIME_ZONE_INFORMATION zone;
        ReadZoneinfoComputerZone(&zone);
        EXPECT_STREQ(zone.StandardName, L"UTC");
        unlink(fifo.c_str());
    }
    ASSERT_EQ(symlink(loop.c_str(), loop.c_str()), 0); // a link to itself
    EXPECT_FALSE(Loads("Loop"));
    dir.Write("Empty", {});
    EXPECT_FALSE(Loads("Empty"));
    EXPECT_STREQ(error, L"Invalid time zone file: Empty");
}

TEST_F(ZoneinfoFile, EveryTruncationOfAFileIsRefused) {
    const Bytes whole = ReadAll(kZoneDir + "/America/New_York");
    ASSERT_GT(whole.size(), 100u);
    ASSERT_TRUE(LoadsAsZone(whole));
    for (size_t size = 0; size < whole.size(); ++size) {
        EXPECT_FALSE(LoadsAsZone(Bytes(whole.begin(), whole.begin() + size))) << size;
        EXPECT_TRUE(size != 10 || std::wstring(error) == L"Invalid time zone file: Zone");
    }
}

TEST_F(ZoneinfoFile, DamagedFilesAreRefusedOrReadSafely) {
    const Bytes whole = ReadAll(kZoneDir + "/Europe/Paris");
    ASSERT_GT(whole.size(), 200u);
    ASSERT_GE(whole[4], '2');
    const size_t h2 = SecondHeader(whole);
    ASSERT_LT(h2 + 44, whole.size());
    ASSERT_EQ(std::memcmp(&whole[h2], "TZif", 4), 0);
    const uint32_t timecnt = GetU32(whole, h2 + 32), typecnt = GetU32(whole, h2 + 36);
    ASSERT_GT(timecnt, 10u);
    const size_t times = h2 + 44, indices = times + timecnt * 8, types = indices + timecnt;
    auto loadsDamaged = [&](auto damage) {
        Bytes b = whole;
        damage(b);
        return LoadsAsZone(b);
    };
    EXPECT_FALSE(loadsDamaged([](Bytes& b) { b[0] = 'X'; })) << "magic";
    EXPECT_FALSE(loadsDamaged([&](Bytes& b) { b[h2 + 1] = 'X'; })) << "second magic";
    EXPECT_FALSE(loadsDamaged([](Bytes& b) { b[4] = '1'; })) << "unknown version";
    for (size_t field = 20; field < 44; field += 4) {
        for (uint32_t value : {0xFFFFFFFFu, 0x7FFFFFFFu, 0x10000u, 100000u}) {
            EXPECT_FALSE(loadsDamaged([&](Bytes& b) { PutU32(&b, h2 + field, value); }))
                << "count " << field << " = " << value;
            EXPECT_FALSE(loadsDamaged([&](Bytes& b) { PutU32(&b, field, value); }))
                << "v1 count " << field << " = " << value;
        }
    }
    EXPECT_FALSE(loadsDamaged([&](Bytes& b) { PutU32(&b, h2 + 36, 0); })) << "no types";
    EXPECT_FALSE(loadsDamaged([&](Bytes& b) {
        b[indices + 3] = static_cast<unsigned char>(typecnt);
    })) << "type index out of range";
    EXPECT_FALSE(loadsDamaged([&](Bytes& b) {
        std::swap_ranges(b.begin() + times, b.begin() + times + 8, b.begin() + times + 8);
    })) << "unsorted transitions";
    EXPECT_FALSE(loadsDamaged([&](Bytes& b) { PutU32(&b, types, 0x80000000u); })) << "utoff -2^31";
    EXPECT_FALSE(loadsDamaged([&](Bytes& b) { b[types + 4] = 7; })) << "isdst neither 0 nor 1";
    EXPECT_FALSE(loadsDamaged([](Bytes& b) { b.back() = 'x'; })) << "footer newline";

    // A footer that is not a TZ rule is ignored: the table still serves.
    EXPECT_TRUE(loadsDamaged([](Bytes& b) {
        for (auto it = std::find(b.rbegin() + 1, b.rend(), '\n').base(); it + 1 < b.end(); ++it)
            *it = '?';
    }));
    ExpectSaneYear(zy, 2026);
    EXPECT_EQ(zy.records[0].Bias, -60);

    // Random damage: refused or read, never a crash or an overrun (the
    // sanitizers watch), and whatever is read is a usable year.
    uint32_t seed = 12345;
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) & 0xFFFFFF;
    };
    int readCount = 0;
    for (int round = 0; round < 1500; ++round) {
        const bool read = loadsDamaged([&](Bytes& b) {
            for (uint32_t flips = 1 + next() % 4; flips > 0; --flips)
                b[next() % b.size()] = static_cast<unsigned char>(next());
        });
        if (read) {
            ++readCount;
            ExpectSaneYear(zy, 2026);
        }
    }
    std::printf("damaged copies read as valid: %d of 1500\n", readCount);
}

TEST_F(ZoneinfoFile, ReadsVersionOneFiles) {
    // The 32-bit part of a real file alone is a version 1 file.
    const Bytes whole = ReadAll(kZoneDir + "/Europe/Paris");
    Bytes v1(whole.begin(), whole.begin() + SecondHeader(whole));
    v1[4] = 0;
    ASSERT_TRUE(LoadsAsZone(v1));
    ExpectSaneYear(zy, 2026);
    EXPECT_EQ(zy.records[0].Bias, -60);
    if (GetU32(v1, 32) > 100) { // a "fat" file has transitions up to 2037
        ASSERT_EQ(zy.recordCount, 1);
        EXPECT_EQ(Date(zy.records[0].DaylightDate), (std::vector<int>{2026, 3, 29, 2, 0}));
        EXPECT_EQ(Date(zy.records[0].StandardDate), (std::vector<int>{2026, 10, 25, 3, 0}));
    }
}

namespace {

// The computer's zone, every field of it written.
TIME_ZONE_INFORMATION ComputerZone() {
    TIME_ZONE_INFORMATION zone;
    std::memset(&zone, 0x5A, sizeof zone);
    ReadZoneinfoComputerZone(&zone);
    return zone;
}

// The record gives glibc's offset now for the current TZ.
void ExpectGlibcOffsetNow(const TIME_ZONE_INFORMATION& zone) {
    const time_t now = std::time(nullptr);
    SYSTEMTIME utc;
    SecondsToSystemTime(static_cast<int64_t>(now), &utc);
    tzset();
    struct tm local;
    localtime_r(&now, &local);
    EXPECT_EQ(OffsetMinutesAt(zone, utc), local.tm_gmtoff / 60);
}

} // namespace

TEST(ZoneinfoComputerZone, FollowsTzAsGlibcDoes) {
    ScopedEnv noTzdir("TZDIR", nullptr);
    TempDir dir;
    const std::string outside = // a zone file outside the zoneinfo folder: named by its path
        ":" + dir.Write("a_zone_file_outside_the_zone_folder", ReadAll(kZoneDir + "/Asia/Kolkata"));
    // clang-format off
    const struct {
        const char* tz;
        std::optional<int> bias, daylightBias; // none: not looked at
        std::wstring name;                     // empty: not looked at
    } cases[] = {
        {":America/New_York", 300, {}, L"America/New_York"},
        {"Australia/Sydney", {}, {}, L"Australia/Sydney"},
        {"Asia/Kathmandu", -345, 0, L"Asia/Kathmandu"},
        {":/usr/share/zoneinfo/Asia/Tokyo", -540, {}, L"Asia/Tokyo"},
        {"/usr/share/zoneinfo/Europe/London", {}, {}, L""}, {"America/Santiago", {}, {}, L""},
        {"UTC", {}, {}, L""}, {":Etc/GMT+5", {}, {}, L""},
        {outside.c_str(), -330, {}, Wide(outside.substr(1, 31))},
        {"XST5XDT,M3.2.0,M11.1.0", 300, -60, L""}, // a POSIX rule, no file
        {"<+0330>-3:30", -210, {}, L""}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tz);
        ScopedEnv tz("TZ", c.tz);
        const TIME_ZONE_INFORMATION zone = ComputerZone();
        ExpectGlibcOffsetNow(zone);
        EXPECT_EQ(zone.Bias, c.bias.value_or(zone.Bias));
        if (c.daylightBias) {
            EXPECT_EQ(zone.DaylightBias, *c.daylightBias);
            EXPECT_EQ(zone.DaylightDate.wMonth != 0, *c.daylightBias != 0);
        }
        EXPECT_EQ(zone.StandardName, c.name.empty() ? zone.StandardName : c.name);
    }
    // Unknown, unreadable or unsafe zones, and an empty TZ, are UTC.
    for (const char* utc : {"", "Nowhere/Atlantis", ":Nowhere", "../../etc/passwd",
                            ":/nonexistent/file", ":/etc/passwd", ":XST5XDT,M3.2.0,M11.1.0"}) {
        ScopedEnv tz("TZ", utc);
        const TIME_ZONE_INFORMATION zone = ComputerZone();
        EXPECT_EQ((std::vector<LONG>{zone.Bias, zone.DaylightDate.wMonth, zone.StandardBias,
                                     zone.DaylightBias}),
                  (std::vector<LONG>{0, 0, 0, 0}))
            << utc;
        EXPECT_STREQ(zone.StandardName, L"UTC") << utc;
    }
}

TEST(ZoneinfoComputerZone, WithoutTzUsesEtcLocaltime) {
    ScopedEnv noTzdir("TZDIR", nullptr);
    std::optional<ScopedEnv> tz(std::in_place, "TZ", ":");
    const TIME_ZONE_INFORMATION colonOnly = ComputerZone();
    ExpectGlibcOffsetNow(colonOnly);
    tz.emplace("TZ", nullptr);
    const TIME_ZONE_INFORMATION zone = ComputerZone();
    ExpectGlibcOffsetNow(zone);
    EXPECT_STREQ(zone.StandardName, colonOnly.StandardName);
    std::error_code noLink;
    const std::string link = fs::read_symlink("/etc/localtime", noLink).string();
    if (link.find("zoneinfo/") != std::string::npos) {
        EXPECT_EQ(zone.StandardName, Wide(link.substr(link.find("zoneinfo/") + 9, 31)));
    }
}
