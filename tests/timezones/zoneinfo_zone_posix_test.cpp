// Zone records from the zoneinfo database against glibc's own reading of it,
// named examples, refused names and damaged files.
#include "timezones/zoneinfo_zone.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "timezones/utc_seconds.h"
#include "timezones/zone_rules.h"

namespace {

const char kZoneDir[] = "/usr/share/zoneinfo";

// Sets or unsets an environment variable for one scope and puts the old
// value back (and refreshes glibc's zone) afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        const char* old = std::getenv(name);
        hadOld_ = old != nullptr;
        if (hadOld_) old_ = old;
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
        tzset();
    }
    ~ScopedEnv() {
        if (hadOld_)
            setenv(name_.c_str(), old_.c_str(), 1);
        else
            unsetenv(name_.c_str());
        tzset();
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::string old_;
    bool hadOld_ = false;
};

// A temporary folder, removed with its files at the end of the scope.
class TempDir {
  public:
    TempDir() {
        char pattern[] = "/tmp/zelmora_zoneinfo_XXXXXX";
        const char* made = mkdtemp(pattern);
        if (made != nullptr) path_ = made;
    }
    ~TempDir() {
        for (const std::string& f : files_)
            unlink(f.c_str());
        for (auto it = dirs_.rbegin(); it != dirs_.rend(); ++it)
            rmdir(it->c_str());
        if (!path_.empty()) rmdir(path_.c_str());
    }
    const std::string& path() const { return path_; }
    void MakeDir(const std::string& relative) {
        std::string full = path_ + "/" + relative;
        mkdir(full.c_str(), 0700);
        dirs_.push_back(full);
    }
    std::string Write(const std::string& relative, const std::vector<unsigned char>& bytes) {
        std::string full = path_ + "/" + relative;
        // A new file each time: rewriting one in place makes ext4 flush it.
        unlink(full.c_str());
        FILE* f = std::fopen(full.c_str(), "wb");
        if (f != nullptr) {
            if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
        if (std::find(files_.begin(), files_.end(), full) == files_.end()) files_.push_back(full);
        return full;
    }

  private:
    std::string path_;
    std::vector<std::string> files_;
    std::vector<std::string> dirs_;
};

std::vector<unsigned char> ReadAll(const std::string& path) {
    std::vector<unsigned char> bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return bytes;
    unsigned char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(f);
    return bytes;
}

bool IsTzifFile(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return false;
    char magic[4] = {0, 0, 0, 0};
    size_t n = std::fread(magic, 1, 4, f);
    std::fclose(f);
    return n == 4 && std::memcmp(magic, "TZif", 4) == 0;
}

// Every TZif zone under the zoneinfo folder, once per file (links to the
// same file are the same zone), without the posix/ and right/ copies.
void CollectZones(const std::string& relative, std::set<std::pair<dev_t, ino_t>>* seen,
                  std::vector<std::string>* zones) {
    std::string dirPath = relative.empty() ? kZoneDir : std::string(kZoneDir) + "/" + relative;
    DIR* dir = opendir(dirPath.c_str());
    if (dir == nullptr) return;
    std::vector<std::string> names;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (relative.empty() && (name == "posix" || name == "right")) continue;
        names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        std::string rel = relative.empty() ? name : relative + "/" + name;
        std::string full = std::string(kZoneDir) + "/" + rel;
        struct stat info;
        if (stat(full.c_str(), &info) != 0) continue;
        if (S_ISDIR(info.st_mode)) {
            CollectZones(rel, seen, zones);
        } else if (S_ISREG(info.st_mode) && IsTzifFile(full)) {
            if (seen->insert(std::make_pair(info.st_dev, info.st_ino)).second)
                zones->push_back(rel);
        }
    }
}

std::vector<std::string> AllZones() {
    std::set<std::pair<dev_t, ino_t>> seen;
    std::vector<std::string> zones;
    CollectZones("", &seen, &zones);
    return zones;
}

SYSTEMTIME Utc(int year, int month, int day, int hour, int minute) {
    SYSTEMTIME t;
    std::memset(&t, 0, sizeof t);
    t.wYear = static_cast<WORD>(year);
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(day);
    t.wHour = static_cast<WORD>(hour);
    t.wMinute = static_cast<WORD>(minute);
    return t;
}

int DayOfYear(int year, int month, int day) {
    return static_cast<int>(DaysFromCivil(year, month, day) - DaysFromCivil(year, 1, 1));
}

// Minutes east of UTC that the year's records give at 12:00 UTC of a date.
int NoonOffsetMinutes(const ZoneYear& zy, int year, int month, int day) {
    SYSTEMTIME utc = Utc(year, month, day, 12, 0), local;
    const TIME_ZONE_INFORMATION& record = zy.records[zy.recordOfDay[DayOfYear(year, month, day)]];
    if (!ApplyZoneRules(&record, &utc, &local)) return 100000;
    return static_cast<int>((SystemTimeToSeconds(&local) - SystemTimeToSeconds(&utc)) / 60);
}

// Minutes east of UTC that a record gives at a UTC instant.
int OffsetMinutesAt(const TIME_ZONE_INFORMATION& record, const SYSTEMTIME& utc) {
    SYSTEMTIME local;
    if (!ApplyZoneRules(&record, &utc, &local)) return 100000;
    return static_cast<int>((SystemTimeToSeconds(&local) - SystemTimeToSeconds(&utc)) / 60);
}

ZoneYear Load(const char* zone, int year) {
    ZoneYear zy;
    wchar_t error[256];
    bool ok = LoadZoneYear(zone, year, &zy, error, 256);
    EXPECT_TRUE(ok) << zone << " " << year;
    return zy;
}

void ExpectDate(const SYSTEMTIME& date, int year, int month, int day, int hour, int minute) {
    EXPECT_EQ(date.wYear, year);
    EXPECT_EQ(date.wMonth, month);
    EXPECT_EQ(date.wDay, day);
    EXPECT_EQ(date.wHour, hour);
    EXPECT_EQ(date.wMinute, minute);
}

std::wstring Wide(const char* text) {
    return std::wstring(text, text + std::strlen(text));
}

// Checks a loaded year for consistency: record indices, record validity.
void ExpectSaneYear(const ZoneYear& zy, int year) {
    ASSERT_GE(zy.recordCount, 1);
    ASSERT_LE(zy.recordCount, static_cast<int>(kZoneYearMaxRecords));
    const int days = DayOfYear(year, 12, 31) + 1;
    for (int d = 0; d < 366; ++d)
        ASSERT_LT(zy.recordOfDay[d], zy.recordCount) << d;
    for (int d = 0; d < days; ++d) {
        SYSTEMTIME utc, local;
        SecondsToSystemTime((DaysFromCivil(year, 1, 1) + d) * 86400 + 43200, &utc);
        ASSERT_TRUE(ApplyZoneRules(&zy.records[zy.recordOfDay[d]], &utc, &local)) << d;
    }
}

} // namespace

// The requirement: for every zone and every day, the local time at 12:00 UTC
// that the records give is glibc's. Days whose offset is not a whole number
// of minutes are left out and counted.
TEST(ZoneinfoZone, MatchesGlibcForEveryZoneAtNoonUtc) {
    ScopedEnv noTzdir("TZDIR", nullptr);
    const std::vector<std::string> zones = AllZones();
    ASSERT_GT(zones.size(), 300u) << "zoneinfo database missing? (apt-get install tzdata)";

    // Every zone is checked in 2026, 2060 and 2100 and in every third year of
    // 1970-2040, the third rotating with the zone, so that every year of
    // 1970-2040 is checked for a third of the zones (the whole sweep takes
    // too long under the sanitizers; ZELMORA_FULL_ZONE_SWEEP=1 runs it all).
    const bool fullSweep = std::getenv("ZELMORA_FULL_ZONE_SWEEP") != nullptr;
    auto yearsOfZone = [fullSweep](size_t zoneIndex) {
        std::vector<int> years;
        for (int y = 1970; y <= 2040; ++y)
            if (fullSweep || y == 2026 || (static_cast<size_t>(y) + zoneIndex) % 3 == 0)
                years.push_back(y);
        years.push_back(2060);
        years.push_back(2100);
        return years;
    };
    std::set<int> yearsChecked;

    const auto started = std::chrono::steady_clock::now();
    long checked = 0, excluded = 0, failures = 0;
    std::set<std::string> excludedZones;
    long zoneYears = 0;
    for (size_t zoneIndex = 0; zoneIndex < zones.size(); ++zoneIndex) {
        const std::string& zone = zones[zoneIndex];
        ScopedEnv tz("TZ", (":" + zone).c_str());
        for (int year : yearsOfZone(zoneIndex)) {
            yearsChecked.insert(year);
            ++zoneYears;
            ZoneYear zy;
            wchar_t error[256];
            if (!LoadZoneYear(zone.c_str(), year, &zy, error, 256)) {
                ADD_FAILURE() << zone << " " << year << ": not loaded";
                ++failures;
                continue;
            }
            const int days = DayOfYear(year, 12, 31) + 1;
            const int64_t first = DaysFromCivil(year, 1, 1) * 86400 + 43200;
            for (int d = 0; d < days; ++d) {
                const int64_t noon = first + static_cast<int64_t>(d) * 86400;
                time_t t = static_cast<time_t>(noon);
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
    std::printf("zoneinfo differential: %zu zones, %zu years, %ld zone-years, %ld zone-days equal "
                "to glibc, %ld zone-days excluded (offset not a whole minute, in %zu zones), %ld "
                "failures, %.1f s\n",
                zones.size(), yearsChecked.size(), zoneYears, checked, excluded,
                excludedZones.size(), failures, seconds);
    for (const std::string& zone : excludedZones)
        std::printf("  sub-minute offsets: %s\n", zone.c_str());
    EXPECT_EQ(failures, 0);
}

TEST(ZoneinfoZone, NewYork2026HasDaylightTimeFromEightMarchToOneNovember) {
    ZoneYear zy = Load("America/New_York", 2026);
    ASSERT_EQ(zy.recordCount, 1);
    const TIME_ZONE_INFORMATION& r = zy.records[0];
    EXPECT_EQ(r.Bias, 300);
    EXPECT_EQ(r.StandardBias, 0);
    EXPECT_EQ(r.DaylightBias, -60);
    ExpectDate(r.DaylightDate, 2026, 3, 8, 2, 0);  // 02:00 EST
    ExpectDate(r.StandardDate, 2026, 11, 1, 2, 0); // 02:00 EDT
    EXPECT_STREQ(r.StandardName, L"America/New_York");
    EXPECT_STREQ(r.DaylightName, L"America/New_York");
    for (int d = 0; d < 366; ++d)
        EXPECT_EQ(zy.recordOfDay[d], 0);

    EXPECT_EQ(NoonOffsetMinutes(zy, 2026, 3, 7), -300);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2026, 3, 8), -240);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2026, 10, 31), -240);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2026, 11, 1), -300);
    // The exact minutes of the changes.
    EXPECT_EQ(OffsetMinutesAt(r, Utc(2026, 3, 8, 6, 59)), -300);
    EXPECT_EQ(OffsetMinutesAt(r, Utc(2026, 3, 8, 7, 0)), -240);
    EXPECT_EQ(OffsetMinutesAt(r, Utc(2026, 11, 1, 5, 59)), -240);
    EXPECT_EQ(OffsetMinutesAt(r, Utc(2026, 11, 1, 6, 0)), -300);
}

TEST(ZoneinfoZone, NewYorkFarYearsComeFromTheFooterRule) {
    // Past the file's table (2037 in a "fat" file, 2007 in a "slim" one).
    ZoneYear zy = Load("America/New_York", 2100);
    ASSERT_EQ(zy.recordCount, 1);
    ExpectDate(zy.records[0].DaylightDate, 2100, 3, 14, 2, 0);
    ExpectDate(zy.records[0].StandardDate, 2100, 11, 7, 2, 0);
    zy = Load("America/New_York", 2060);
    ExpectDate(zy.records[0].DaylightDate, 2060, 3, 14, 2, 0);
    ExpectDate(zy.records[0].StandardDate, 2060, 11, 7, 2, 0);
}

TEST(ZoneinfoZone, Sydney2026UsesTheSouthernOrder) {
    ZoneYear zy = Load("Australia/Sydney", 2026);
    ASSERT_EQ(zy.recordCount, 1);
    const TIME_ZONE_INFORMATION& r = zy.records[0];
    EXPECT_EQ(r.Bias, -600);
    EXPECT_EQ(r.DaylightBias, -60);
    ExpectDate(r.StandardDate, 2026, 4, 5, 3, 0);  // 03:00 AEDT
    ExpectDate(r.DaylightDate, 2026, 10, 4, 2, 0); // 02:00 AEST
    EXPECT_GT(r.DaylightDate.wMonth, r.StandardDate.wMonth);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2026, 1, 15), 660);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2026, 4, 4), 660);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2026, 4, 5), 600);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2026, 7, 1), 600);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2026, 10, 3), 600);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2026, 10, 4), 660);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2026, 12, 31), 660);
    // 5 April 03:00 AEDT = 4 April 16:00 UTC; 4 October 02:00 AEST = 3 October 16:00 UTC.
    EXPECT_EQ(OffsetMinutesAt(r, Utc(2026, 4, 4, 15, 59)), 660);
    EXPECT_EQ(OffsetMinutesAt(r, Utc(2026, 4, 4, 16, 0)), 600);
    EXPECT_EQ(OffsetMinutesAt(r, Utc(2026, 10, 3, 15, 59)), 600);
    EXPECT_EQ(OffsetMinutesAt(r, Utc(2026, 10, 3, 16, 0)), 660);
}

TEST(ZoneinfoZone, London2026) {
    ZoneYear zy = Load("Europe/London", 2026);
    ASSERT_EQ(zy.recordCount, 1);
    const TIME_ZONE_INFORMATION& r = zy.records[0];
    EXPECT_EQ(r.Bias, 0);
    EXPECT_EQ(r.DaylightBias, -60);
    ExpectDate(r.DaylightDate, 2026, 3, 29, 1, 0);
    ExpectDate(r.StandardDate, 2026, 10, 25, 2, 0);
    EXPECT_EQ(OffsetMinutesAt(r, Utc(2026, 3, 29, 0, 59)), 0);
    EXPECT_EQ(OffsetMinutesAt(r, Utc(2026, 3, 29, 1, 0)), 60);
    EXPECT_EQ(OffsetMinutesAt(r, Utc(2026, 10, 25, 0, 59)), 60);
    EXPECT_EQ(OffsetMinutesAt(r, Utc(2026, 10, 25, 1, 0)), 0);
}

TEST(ZoneinfoZone, DublinsNegativeDaylightTimeBecomesAnOrdinaryRecord) {
    // zoneinfo calls Irish winter time the daylight phase (save -1 h); the
    // record calls the larger offset daylight time, as Windows does.
    ZoneYear zy = Load("Europe/Dublin", 2026);
    ASSERT_EQ(zy.recordCount, 1);
    EXPECT_EQ(zy.records[0].Bias, 0);
    EXPECT_EQ(zy.records[0].DaylightBias, -60);
    ExpectDate(zy.records[0].DaylightDate, 2026, 3, 29, 1, 0);
    ExpectDate(zy.records[0].StandardDate, 2026, 10, 25, 2, 0);
}

TEST(ZoneinfoZone, KathmanduIsAQuarterHourZone) {
    ZoneYear zy = Load("Asia/Kathmandu", 2026);
    ASSERT_EQ(zy.recordCount, 1);
    EXPECT_EQ(zy.records[0].Bias, -345);
    EXPECT_EQ(zy.records[0].DaylightDate.wMonth, 0);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2026, 6, 1), 345);
    // +05:30 until the end of 1985.
    zy = Load("Asia/Kathmandu", 1985);
    ASSERT_EQ(zy.recordCount, 1);
    EXPECT_EQ(zy.records[0].Bias, -330);
}

TEST(ZoneinfoZone, ZoneWithoutDaylightTime) {
    ZoneYear zy = Load("Asia/Tokyo", 2026);
    ASSERT_EQ(zy.recordCount, 1);
    EXPECT_EQ(zy.records[0].Bias, -540);
    EXPECT_EQ(zy.records[0].DaylightDate.wMonth, 0);
    EXPECT_EQ(zy.records[0].DaylightBias, 0);
    SYSTEMTIME utc = Utc(2026, 8, 1, 20, 30), local;
    ASSERT_TRUE(ApplyZoneRules(&zy.records[0], &utc, &local));
    ExpectDate(local, 2026, 8, 2, 5, 30);
    zy = Load("Etc/UTC", 2026);
    EXPECT_EQ(zy.records[0].Bias, 0);
    EXPECT_STREQ(zy.records[0].StandardName, L"Etc/UTC");
}

TEST(ZoneinfoZone, CasablancaIn2015HasFourChangesAndTwoRecords) {
    // Summer time from 29 March, suspended for Ramadan 14 June to 19 July,
    // back to standard time on 25 October.
    ZoneYear zy = Load("Africa/Casablanca", 2015);
    ASSERT_EQ(zy.recordCount, 2);
    ExpectSaneYear(zy, 2015);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2015, 3, 28), 0);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2015, 3, 29), 60);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2015, 6, 13), 60);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2015, 6, 14), 0);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2015, 7, 18), 0);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2015, 7, 19), 60);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2015, 10, 24), 60);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2015, 10, 25), 0);
    for (int r = 0; r < zy.recordCount; ++r) {
        EXPECT_EQ(zy.records[r].DaylightDate.wMonth, 0);
        EXPECT_STREQ(zy.records[r].StandardName, L"Africa/Casablanca");
    }
    EXPECT_NE(zy.recordOfDay[DayOfYear(2015, 5, 1)], zy.recordOfDay[DayOfYear(2015, 7, 1)]);
    EXPECT_EQ(zy.recordOfDay[DayOfYear(2015, 7, 1)], zy.recordOfDay[DayOfYear(2015, 12, 1)]);
}

TEST(ZoneinfoZone, YearWithOneChangeGetsTwoRecords) {
    // Turkey kept summer time (+03) from 27 March 2016 on.
    ZoneYear zy = Load("Europe/Istanbul", 2016);
    ASSERT_EQ(zy.recordCount, 2);
    ExpectSaneYear(zy, 2016);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2016, 3, 26), 120);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2016, 3, 27), 180);
    EXPECT_EQ(NoonOffsetMinutes(zy, 2016, 12, 31), 180);
    zy = Load("Europe/Istanbul", 2017);
    ASSERT_EQ(zy.recordCount, 1);
    EXPECT_EQ(zy.records[0].Bias, -180);
}

TEST(ZoneinfoZone, HalfHourDaylightTimeAndOddFooterRules) {
    // Lord Howe: +10:30, +11 in summer.
    ZoneYear zy = Load("Australia/Lord_Howe", 2030);
    ASSERT_EQ(zy.recordCount, 1);
    EXPECT_EQ(zy.records[0].Bias, -630);
    EXPECT_EQ(zy.records[0].DaylightBias, -30);
    // Nuuk from 2024: -02, -01 in summer, the change at -1:00 and 0:00 local.
    zy = Load("America/Nuuk", 2060);
    ASSERT_EQ(zy.recordCount, 1);
    EXPECT_EQ(zy.records[0].Bias, 120);
    ExpectDate(zy.records[0].DaylightDate, 2060, 3, 27, 23, 0); // Saturday before the last Sunday
    ExpectDate(zy.records[0].StandardDate, 2060, 10, 31, 0, 0);
}

TEST(ZoneinfoZone, LeapAndCommonYearsFillEveryDay) {
    ZoneYear zy = Load("Africa/Casablanca", 2015);
    EXPECT_EQ(zy.recordOfDay[365], zy.recordOfDay[364]);
    zy = Load("Africa/Casablanca", 2016);
    ExpectSaneYear(zy, 2016);
}

TEST(ZoneinfoZone, LocalMeanTimeIsRoundedToTheNearestMinute) {
    // Monrovia kept -0:44:30 until 7 January 1972.
    ZoneYear zy = Load("Africa/Monrovia", 1971);
    ASSERT_EQ(zy.recordCount, 1);
    EXPECT_EQ(zy.records[0].Bias, 45);
    zy = Load("Africa/Monrovia", 1972);
    ASSERT_EQ(zy.recordCount, 2);
    EXPECT_EQ(NoonOffsetMinutes(zy, 1972, 1, 6), -45);
    EXPECT_EQ(NoonOffsetMinutes(zy, 1972, 1, 7), 0);
}

TEST(ZoneinfoZone, LinkedNamesLoadTheirTarget) {
    ZoneYear a = Load("US/Eastern", 2026), b = Load("America/New_York", 2026);
    EXPECT_EQ(a.records[0].Bias, b.records[0].Bias);
    EXPECT_EQ(a.records[0].DaylightDate.wDay, b.records[0].DaylightDate.wDay);
    EXPECT_STREQ(a.records[0].StandardName, L"US/Eastern");
}

TEST(ZoneinfoZone, LongNamesAreCutTo31Characters) {
    ZoneYear zy = Load("America/Argentina/ComodRivadavia", 2026); // 32 characters
    EXPECT_EQ(std::wcslen(zy.records[0].StandardName), 31u);
    EXPECT_STREQ(zy.records[0].StandardName, L"America/Argentina/ComodRivadavi");
    EXPECT_STREQ(zy.records[0].DaylightName, L"America/Argentina/ComodRivadavi");
}

TEST(ZoneinfoZone, RefusesUnknownZonesAndUnsafeNames) {
    ZoneYear zy;
    wchar_t error[256];
    EXPECT_FALSE(LoadZoneYear("Nowhere/Atlantis", 2026, &zy, error, 256));
    EXPECT_EQ(std::wstring(error), L"Unknown time zone: Nowhere/Atlantis");
    EXPECT_EQ(zy.recordCount, 0);
    EXPECT_FALSE(LoadZoneYear("../zoneinfo/Europe/Paris", 2026, &zy, error, 256));
    EXPECT_EQ(std::wstring(error), L"Invalid time zone name: ../zoneinfo/Europe/Paris");
    EXPECT_FALSE(LoadZoneYear("Europe/../Europe/Paris", 2026, &zy, error, 256));
    EXPECT_FALSE(LoadZoneYear("/usr/share/zoneinfo/Europe/Paris", 2026, &zy, error, 256));
    EXPECT_FALSE(LoadZoneYear("", 2026, &zy, error, 256));
    EXPECT_FALSE(LoadZoneYear(nullptr, 2026, &zy, error, 256));
    EXPECT_FALSE(LoadZoneYear(std::string(300, 'a').c_str(), 2026, &zy, error, 256));
    EXPECT_FALSE(LoadZoneYear("Europe", 2026, &zy, error, 256)); // a folder
    EXPECT_EQ(std::wstring(error), L"Unknown time zone: Europe");
    EXPECT_FALSE(LoadZoneYear("zone1970.tab", 2026, &zy, error, 256)); // not TZif
    EXPECT_EQ(std::wstring(error), L"Invalid time zone file: zone1970.tab");
    EXPECT_FALSE(LoadZoneYear("Europe/Paris", 1699, &zy, error, 256));
    EXPECT_EQ(std::wstring(error), L"Invalid Year: 1699");
    EXPECT_FALSE(LoadZoneYear("Europe/Paris", 10000, &zy, error, 256));
    // A short buffer gets a cut message; a missing one is fine.
    wchar_t small[8];
    EXPECT_FALSE(LoadZoneYear("Nowhere/Atlantis", 2026, &zy, small, 8));
    EXPECT_EQ(std::wstring(small), L"Unknown");
    EXPECT_FALSE(LoadZoneYear("Nowhere/Atlantis", 2026, &zy, nullptr, 0));
    EXPECT_FALSE(LoadZoneYear("Europe/Paris", 2026, nullptr, error, 256));
}

TEST(ZoneinfoZone, TzdirChoosesTheDatabase) {
    TempDir dir;
    ASSERT_FALSE(dir.path().empty());
    dir.MakeDir("Test");
    dir.Write("Test/Zone", ReadAll(std::string(kZoneDir) + "/Asia/Kolkata"));
    ScopedEnv tzdir("TZDIR", dir.path().c_str());
    ZoneYear zy;
    wchar_t error[256];
    ASSERT_TRUE(LoadZoneYear("Test/Zone", 2026, &zy, error, 256));
    EXPECT_EQ(zy.records[0].Bias, -330);
    EXPECT_STREQ(zy.records[0].StandardName, L"Test/Zone");
    EXPECT_FALSE(LoadZoneYear("Europe/Paris", 2026, &zy, error, 256));
}

TEST(ZoneinfoZone, SpecialFilesAreRefusedWithoutBlocking) {
    TempDir dir;
    ScopedEnv tzdir("TZDIR", dir.path().c_str());
    const std::string fifo = dir.path() + "/Fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ZoneYear zy;
    wchar_t error[256];
    EXPECT_FALSE(LoadZoneYear("Fifo", 2026, &zy, error, 256));
    EXPECT_EQ(std::wstring(error), L"Unknown time zone: Fifo");
    {
        // Not through ScopedEnv: glibc's tzset would block on the FIFO.
        const char* old = std::getenv("TZ");
        const std::string saved = old != nullptr ? old : "";
        setenv("TZ", (":" + fifo).c_str(), 1);
        TIME_ZONE_INFORMATION zone;
        ReadZoneinfoComputerZone(&zone);
        if (old != nullptr)
            setenv("TZ", saved.c_str(), 1);
        else
            unsetenv("TZ");
        EXPECT_STREQ(zone.StandardName, L"UTC");
    }
    unlink(fifo.c_str());
    // A symbolic link to itself, and an empty file.
    const std::string loop = dir.path() + "/Loop";
    ASSERT_EQ(symlink(loop.c_str(), loop.c_str()), 0);
    EXPECT_FALSE(LoadZoneYear("Loop", 2026, &zy, error, 256));
    unlink(loop.c_str());
    dir.Write("Empty", {});
    EXPECT_FALSE(LoadZoneYear("Empty", 2026, &zy, error, 256));
    EXPECT_EQ(std::wstring(error), L"Invalid time zone file: Empty");
}

TEST(ZoneinfoZone, EveryTruncationOfAFileIsRefused) {
    const std::vector<unsigned char> whole = ReadAll(std::string(kZoneDir) + "/America/New_York");
    ASSERT_GT(whole.size(), 100u);
    TempDir dir;
    ScopedEnv tzdir("TZDIR", dir.path().c_str());
    ZoneYear zy;
    wchar_t error[256];
    dir.Write("Zone", whole);
    ASSERT_TRUE(LoadZoneYear("Zone", 2026, &zy, error, 256));
    for (size_t size = 0; size < whole.size(); ++size) {
        dir.Write("Zone", std::vector<unsigned char>(whole.begin(), whole.begin() + size));
        EXPECT_FALSE(LoadZoneYear("Zone", 2026, &zy, error, 256)) << size;
        if (size == 10) {
            EXPECT_EQ(std::wstring(error), L"Invalid time zone file: Zone");
        }
    }
}

namespace {

void PutU32(std::vector<unsigned char>* bytes, size_t at, uint32_t value) {
    (*bytes)[at] = static_cast<unsigned char>(value >> 24);
    (*bytes)[at + 1] = static_cast<unsigned char>(value >> 16);
    (*bytes)[at + 2] = static_cast<unsigned char>(value >> 8);
    (*bytes)[at + 3] = static_cast<unsigned char>(value);
}

uint32_t GetU32(const std::vector<unsigned char>& bytes, size_t at) {
    return (static_cast<uint32_t>(bytes[at]) << 24) | (static_cast<uint32_t>(bytes[at + 1]) << 16) |
           (static_cast<uint32_t>(bytes[at + 2]) << 8) | bytes[at + 3];
}

// Offset of the second (64-bit) header of a version 2+ file.
size_t SecondHeader(const std::vector<unsigned char>& b) {
    const uint64_t timecnt = GetU32(b, 32), typecnt = GetU32(b, 36), charcnt = GetU32(b, 40),
                   leapcnt = GetU32(b, 28), isstd = GetU32(b, 24), isut = GetU32(b, 20);
    return static_cast<size_t>(44 + timecnt * 5 + typecnt * 6 + charcnt + leapcnt * 8 + isstd +
                               isut);
}

} // namespace

TEST(ZoneinfoZone, DamagedFilesAreRefusedOrReadSafely) {
    const std::vector<unsigned char> whole = ReadAll(std::string(kZoneDir) + "/Europe/Paris");
    ASSERT_GT(whole.size(), 200u);
    ASSERT_GE(whole[4], '2');
    TempDir dir;
    ScopedEnv tzdir("TZDIR", dir.path().c_str());
    ZoneYear zy;
    wchar_t error[256];
    const size_t h2 = SecondHeader(whole);
    ASSERT_LT(h2 + 44, whole.size());
    ASSERT_EQ(std::memcmp(&whole[h2], "TZif", 4), 0);

    auto refused = [&](std::vector<unsigned char> bytes) {
        dir.Write("Zone", bytes);
        return !LoadZoneYear("Zone", 2026, &zy, error, 256);
    };
    std::vector<unsigned char> b;

    b = whole;
    b[0] = 'X';
    EXPECT_TRUE(refused(b)) << "magic";
    b = whole;
    b[h2 + 1] = 'X';
    EXPECT_TRUE(refused(b)) << "second magic";
    b = whole;
    b[4] = '1';
    EXPECT_TRUE(refused(b)) << "unknown version";
    for (size_t field = 20; field < 44; field += 4) {
        for (uint32_t value : {0xFFFFFFFFu, 0x7FFFFFFFu, 0x10000u, 100000u}) {
            b = whole;
            PutU32(&b, h2 + field, value);
            EXPECT_TRUE(refused(b)) << "count " << field << " = " << value;
            b = whole;
            PutU32(&b, field, value);
            EXPECT_TRUE(refused(b)) << "v1 count " << field << " = " << value;
        }
    }
    b = whole;
    PutU32(&b, h2 + 36, 0); // no local time types
    EXPECT_TRUE(refused(b));

    const uint32_t timecnt = GetU32(whole, h2 + 32), typecnt = GetU32(whole, h2 + 36);
    ASSERT_GT(timecnt, 10u);
    const size_t times = h2 + 44, indices = times + timecnt * 8, types = indices + timecnt;
    b = whole;
    b[indices + 3] = static_cast<unsigned char>(typecnt); // type index out of range
    EXPECT_TRUE(refused(b)) << "type index";
    b = whole;
    std::swap_ranges(b.begin() + times, b.begin() + times + 8, b.begin() + times + 8); // unsorted
    EXPECT_TRUE(refused(b)) << "unsorted";
    b = whole;
    PutU32(&b, types, 0x80000000u); // utoff -2^31
    EXPECT_TRUE(refused(b)) << "offset";
    b = whole;
    b[types + 4] = 7; // isdst neither 0 nor 1
    EXPECT_TRUE(refused(b)) << "isdst";
    b = whole;
    b.back() = 'x'; // footer without its closing newline
    EXPECT_TRUE(refused(b)) << "footer newline";

    // A footer that is not a TZ rule is ignored: the table still serves.
    b = whole;
    const size_t footerStart =
        static_cast<size_t>(std::find(b.rbegin() + 1, b.rend(), '\n').base() - b.begin());
    for (size_t i = footerStart; i + 1 < b.size(); ++i)
        b[i] = '?';
    EXPECT_FALSE(refused(b));
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
        b = whole;
        const int flips = 1 + static_cast<int>(next() % 4);
        for (int k = 0; k < flips; ++k)
            b[next() % b.size()] = static_cast<unsigned char>(next());
        if (!refused(b)) {
            ++readCount;
            ExpectSaneYear(zy, 2026);
        }
    }
    std::printf("damaged copies read as valid: %d of 1500\n", readCount);
}

TEST(ZoneinfoZone, ReadsVersionOneFiles) {
    // The 32-bit part of a real file alone is a version 1 file.
    const std::vector<unsigned char> whole = ReadAll(std::string(kZoneDir) + "/Europe/Paris");
    std::vector<unsigned char> v1(whole.begin(), whole.begin() + SecondHeader(whole));
    v1[4] = 0;
    TempDir dir;
    ScopedEnv tzdir("TZDIR", dir.path().c_str());
    dir.Write("Zone", v1);
    ZoneYear zy;
    wchar_t error[256];
    ASSERT_TRUE(LoadZoneYear("Zone", 2026, &zy, error, 256)) << GetU32(v1, 32);
    ExpectSaneYear(zy, 2026);
    EXPECT_EQ(zy.records[0].Bias, -60);
    if (GetU32(v1, 32) > 100) { // a "fat" file has transitions up to 2037
        ASSERT_EQ(zy.recordCount, 1);
        ExpectDate(zy.records[0].DaylightDate, 2026, 3, 29, 2, 0);
        ExpectDate(zy.records[0].StandardDate, 2026, 10, 25, 3, 0);
    }
}

namespace {

// The offset glibc gives now for the current TZ, in minutes east.
int GlibcOffsetNow(time_t now) {
    tzset();
    struct tm local;
    localtime_r(&now, &local);
    return static_cast<int>(local.tm_gmtoff / 60);
}

int RecordOffsetNow(const TIME_ZONE_INFORMATION& zone, time_t now) {
    SYSTEMTIME utc;
    SecondsToSystemTime(static_cast<int64_t>(now), &utc);
    return OffsetMinutesAt(zone, utc);
}

} // namespace

TEST(ZoneinfoComputerZone, FollowsTzAsGlibcDoes) {
    ScopedEnv noTzdir("TZDIR", nullptr);
    const char* values[] = {":America/New_York",
                            "Australia/Sydney",
                            "Asia/Kathmandu",
                            ":/usr/share/zoneinfo/Asia/Tokyo",
                            "/usr/share/zoneinfo/Europe/London",
                            "America/Santiago",
                            "UTC",
                            ":Etc/GMT+5"};
    for (const char* value : values) {
        ScopedEnv tz("TZ", value);
        TIME_ZONE_INFORMATION zone;
        ReadZoneinfoComputerZone(&zone);
        const time_t now = std::time(nullptr);
        EXPECT_EQ(RecordOffsetNow(zone, now), GlibcOffsetNow(now)) << value;
    }
}

TEST(ZoneinfoComputerZone, NamesAndBiases) {
    ScopedEnv noTzdir("TZDIR", nullptr);
    TIME_ZONE_INFORMATION zone;
    {
        ScopedEnv tz("TZ", ":America/New_York");
        ReadZoneinfoComputerZone(&zone);
        EXPECT_EQ(zone.Bias, 300);
        EXPECT_STREQ(zone.StandardName, L"America/New_York");
    }
    {
        ScopedEnv tz("TZ", "Asia/Kathmandu");
        ReadZoneinfoComputerZone(&zone);
        EXPECT_EQ(zone.Bias, -345);
        EXPECT_EQ(zone.DaylightDate.wMonth, 0);
        EXPECT_STREQ(zone.StandardName, L"Asia/Kathmandu");
    }
    {
        ScopedEnv tz("TZ", ":/usr/share/zoneinfo/Asia/Tokyo");
        ReadZoneinfoComputerZone(&zone);
        EXPECT_EQ(zone.Bias, -540);
        EXPECT_STREQ(zone.StandardName, L"Asia/Tokyo");
    }
    {
        TempDir dir;
        const std::string path = dir.Write("a_zone_file_outside_the_zone_folder",
                                           ReadAll("/usr/share/zoneinfo/Asia/Kolkata"));
        ScopedEnv tz("TZ", (":" + path).c_str());
        ReadZoneinfoComputerZone(&zone);
        EXPECT_EQ(zone.Bias, -330);
        EXPECT_EQ(std::wstring(zone.StandardName), Wide(path.c_str()).substr(0, 31));
    }
    {
        ScopedEnv tz("TZ", "XST5XDT,M3.2.0,M11.1.0"); // a POSIX rule, no file
        ReadZoneinfoComputerZone(&zone);
        EXPECT_EQ(zone.Bias, 300);
        EXPECT_NE(zone.DaylightDate.wMonth, 0);
        EXPECT_EQ(zone.DaylightBias, -60);
        const time_t now = std::time(nullptr);
        EXPECT_EQ(RecordOffsetNow(zone, now), GlibcOffsetNow(now));
    }
    {
        ScopedEnv tz("TZ", "<+0330>-3:30");
        ReadZoneinfoComputerZone(&zone);
        EXPECT_EQ(zone.Bias, -210);
    }
    for (const char* utc : {"", "Nowhere/Atlantis", ":Nowhere", "../../etc/passwd",
                            ":/nonexistent/file", ":/etc/passwd", ":XST5XDT,M3.2.0,M11.1.0"}) {
        ScopedEnv tz("TZ", utc);
        std::memset(&zone, 0x5A, sizeof zone);
        ReadZoneinfoComputerZone(&zone);
        EXPECT_EQ(zone.Bias, 0) << utc;
        EXPECT_EQ(zone.DaylightDate.wMonth, 0) << utc;
        EXPECT_EQ(zone.StandardBias, 0) << utc;
        EXPECT_EQ(zone.DaylightBias, 0) << utc;
        EXPECT_STREQ(zone.StandardName, L"UTC") << utc;
    }
}

TEST(ZoneinfoComputerZone, WithoutTzUsesEtcLocaltime) {
    ScopedEnv noTzdir("TZDIR", nullptr);
    TIME_ZONE_INFORMATION zone, colonOnly;
    {
        ScopedEnv tz("TZ", ":");
        ReadZoneinfoComputerZone(&colonOnly);
        const time_t now = std::time(nullptr);
        EXPECT_EQ(RecordOffsetNow(colonOnly, now), GlibcOffsetNow(now));
    }
    ScopedEnv tz("TZ", nullptr);
    ReadZoneinfoComputerZone(&zone);
    const time_t now = std::time(nullptr);
    EXPECT_EQ(RecordOffsetNow(zone, now), GlibcOffsetNow(now));
    EXPECT_STREQ(zone.StandardName, colonOnly.StandardName);
    char link[512];
    ssize_t n = readlink("/etc/localtime", link, sizeof link - 1);
    if (n > 0) {
        link[n] = '\0';
        const char* name = std::strstr(link, "zoneinfo/");
        if (name != nullptr) {
            EXPECT_EQ(std::wstring(zone.StandardName), Wide(name + 9).substr(0, 31));
        }
    }
}
