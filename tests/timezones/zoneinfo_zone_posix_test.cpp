// Zone records made with the C library: days that change offset, refused
// names and files, and the computer's zone that TZ names.
#include "timezones/zoneinfo_zone.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/test_files.h"
#include "timezones/utc_seconds.h"

namespace {

namespace fs = std::filesystem;

// Sets (null: unsets) an environment variable for one scope, then puts the
// old value back. The C library's zone is refreshed only when the old value
// comes back: a TZ naming a FIFO would block tzset itself.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value != nullptr ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() {
        old_ ? setenv(name_.c_str(), old_->c_str(), 1) : unsetenv(name_.c_str());
        tzset();
    }

  private:
    std::string name_;
    std::optional<std::string> old_;
};

// The path of a scratch folder as the C library takes it.
std::string Narrow(const ScratchFolder& folder) {
    return fs::path(folder.Path(L"")).parent_path().string();
}

} // namespace

// Each day gets the offset in force at its 12:00 UTC; sub-minute offsets of
// local mean time are rounded half away from zero.
TEST(ZoneinfoZone, EachNoonHasTheOffsetInForce) {
    const struct {
        const char* zone;
        int year, month, day;
        int bias;
        int records;
    } cases[] = {
        {"America/New_York", 2026, 3, 7, 300, 2},    {"America/New_York", 2026, 3, 8, 240, 2},
        {"Australia/Sydney", 2026, 1, 1, -660, 2},   {"Australia/Sydney", 2026, 7, 1, -600, 2},
        {"Asia/Kathmandu", 1986, 1, 1, -345, 1},     {"Africa/Monrovia", 1970, 6, 1, 45, 1},
        {"Pacific/Kiritimati", 2026, 1, 1, -840, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.year));
        ZoneYear zy;
        wchar_t error[256];
        ASSERT_TRUE(LoadZoneYear(c.zone, c.year, &zy, error, 256)) << error;
        EXPECT_EQ(zy.recordCount, c.records);
        const int64_t day = DaysFromCivil(c.year, c.month, c.day) - DaysFromCivil(c.year, 1, 1);
        EXPECT_EQ(zy.records[zy.recordOfDay[day]].Bias, c.bias);
        EXPECT_EQ(zy.records[0].DaylightDate.wMonth, 0);
        EXPECT_EQ(std::wstring(zy.records[0].StandardName),
                  std::wstring(c.zone, c.zone + std::strlen(c.zone)));
    }
    // The zone of the process is untouched afterwards.
    ScopedEnv tz("TZ", "Asia/Tokyo");
    tzset();
    ZoneYear zy;
    ASSERT_TRUE(LoadZoneYear("America/New_York", 2026, &zy, nullptr, 0));
    EXPECT_STREQ(std::getenv("TZ"), "Asia/Tokyo");
    const time_t now = std::time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    EXPECT_EQ(local.tm_gmtoff, 9 * 3600);
}

TEST(ZoneinfoZone, RefusesUnknownZonesUnsafeNamesAndOtherFiles) {
    ScratchFolder folder;
    const std::string dir = Narrow(folder);
    ScopedEnv tzdir("TZDIR", dir.c_str());
    folder.Write(L"NotAZone", "Europe/Paris 48.86 2.35\n");
    fs::create_directory(dir + "/Folder");
    fs::copy_file("/usr/share/zoneinfo/Asia/Kolkata", dir + "/Mine");
    ASSERT_EQ(mkfifo((dir + "/Fifo").c_str(), 0600), 0); // the C library would block on it
    const std::string tooLong(300, 'a');
    const struct {
        const char* zone;
        int year;
        const wchar_t* error;
    } cases[] = {
        {"Nowhere/Atlantis", 2026, L"Unknown time zone: Nowhere/Atlantis"},
        {"Europe/Paris", 2026, L"Unknown time zone: Europe/Paris"}, // TZDIR chooses the database
        {"../zoneinfo/Mine", 2026, L"Invalid time zone name: ../zoneinfo/Mine"},
        {"/usr/share/zoneinfo/Europe/Paris", 2026,
         L"Invalid time zone name: /usr/share/zoneinfo/Europe/Paris"},
        {"Folder", 2026, L"Unknown time zone: Folder"},
        {"Fifo", 2026, L"Unknown time zone: Fifo"},
        {"NotAZone", 2026, L"Invalid time zone file: NotAZone"},
        {"Mine", 1699, L"Invalid Year: 1699"},
        {nullptr, 2026, L"Invalid time zone name: "},
        {tooLong.c_str(), 2026, nullptr},
    };
    ZoneYear zy;
    wchar_t error[256];
    for (const auto& c : cases) {
        zy.recordCount = 99;
        EXPECT_FALSE(LoadZoneYear(c.zone, c.year, &zy, error, 256)) << c.zone << " " << c.year;
        EXPECT_EQ(zy.recordCount, 0);
        if (c.error != nullptr) {
            EXPECT_STREQ(error, c.error);
        }
    }
    ASSERT_TRUE(LoadZoneYear("Mine", 2026, &zy, error, 256));
    EXPECT_EQ(zy.records[0].Bias, -330);
    // A short buffer gets a cut message; a missing one is fine.
    EXPECT_FALSE(LoadZoneYear("Nowhere/Atlantis", 2026, &zy, error, 8));
    EXPECT_STREQ(error, L"Unknown");
    EXPECT_FALSE(LoadZoneYear("Nowhere/Atlantis", 2026, &zy, nullptr, 0));
    EXPECT_FALSE(LoadZoneYear("Mine", 2026, nullptr, error, 256));
}

TEST(ZoneinfoComputerZone, FollowsTzAsTheCLibraryDoes) {
    ScratchFolder folder;
    const std::string dir = Narrow(folder), fifo = dir + "/Fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ScopedEnv noTzdir("TZDIR", nullptr);
    const std::string fifoTz = ":" + fifo, folderTz = ":" + dir;
    const struct {
        const char* tz;
        int bias;
        const wchar_t* name;
    } cases[] = {
        {":Asia/Kolkata", -330, L"Asia/Kolkata"},
        {"Asia/Kathmandu", -345, L"Asia/Kathmandu"},
        {":/usr/share/zoneinfo/Asia/Tokyo", -540, L"Asia/Tokyo"},
        {"XST5", 300, L"XST"}, // a POSIX rule, no file
        {"<+0330>-3:30", -210, L"+0330"},
        {"", 0, L"UTC"},
        {fifoTz.c_str(), 0, L"UTC"}, // refused without blocking
        {folderTz.c_str(), 0, L"UTC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tz);
        ScopedEnv tz("TZ", c.tz);
        TIME_ZONE_INFORMATION zone;
        std::memset(&zone, 0x5A, sizeof zone);
        ReadZoneinfoComputerZone(&zone);
        EXPECT_EQ(zone.Bias, c.bias);
        EXPECT_EQ(zone.DaylightDate.wMonth, 0);
        EXPECT_EQ(zone.StandardBias, 0);
        EXPECT_EQ(zone.DaylightBias, 0);
        EXPECT_STREQ(zone.StandardName, c.name);
    }
    // Without TZ, /etc/localtime: the offset the C library gives now.
    ScopedEnv tz("TZ", nullptr);
    TIME_ZONE_INFORMATION zone;
    ReadZoneinfoComputerZone(&zone);
    tzset();
    const time_t now = std::time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    EXPECT_EQ(zone.Bias, -local.tm_gmtoff / 60);
}
