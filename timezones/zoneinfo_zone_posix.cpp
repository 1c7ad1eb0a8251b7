#include "timezones/zoneinfo_zone.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "support/bounded_format.h"
#include "timezones/utc_seconds.h"

namespace {

const char kDefaultZoneDirectory[] = "/usr/share/zoneinfo";
const char kLocaltimePath[] = "/etc/localtime";
const size_t kMaxZoneNameLength = 255;
const int kNameCapacity = 32;

std::string ZoneDirectory() {
    const char* dir = std::getenv("TZDIR");
    if (dir != nullptr && dir[0] != '\0') return dir;
    return kDefaultZoneDirectory;
}

bool IsAcceptableZoneName(const char* name) {
    if (name == nullptr || name[0] == '\0' || name[0] == '/') return false;
    if (std::strlen(name) > kMaxZoneNameLength) return false;
    return std::strstr(name, "..") == nullptr;
}

enum FileKind { kNoFile, kOtherFile, kRegularFile, kZoneFile };

// What lies at `path`, looked at without blocking: a FIFO in the way must not
// hang the open. A zone file is a regular file that begins with "TZif".
FileKind KindOfFile(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        struct stat info;
        return stat(path.c_str(), &info) == 0 ? kOtherFile : kNoFile;
    }
    struct stat info;
    FileKind kind = kOtherFile;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        char magic[4];
        kind = read(fd, magic, sizeof magic) == 4 && std::memcmp(magic, "TZif", 4) == 0
                   ? kZoneFile
                   : kRegularFile;
    }
    close(fd);
    return kind;
}

// Offsets in whole minutes, halves rounded away from zero.
int32_t RoundToMinutes(long seconds) {
    return static_cast<int32_t>(seconds >= 0 ? (seconds + 30) / 60 : -((-seconds + 30) / 60));
}

// Minutes east of UTC in force at `when`, in the zone that TZ names now.
int32_t OffsetMinutesAt(int64_t when) {
    const time_t t = static_cast<time_t>(when);
    struct tm local;
    if (localtime_r(&t, &local) == nullptr) return 0;
    return RoundToMinutes(local.tm_gmtoff);
}

void FixedRecord(int32_t offsetMinutes, const char* name, TIME_ZONE_INFORMATION* zone) {
    std::memset(zone, 0, sizeof *zone);
    zone->Bias = -offsetMinutes;
    for (int i = 0; name[i] != '\0' && i < kNameCapacity - 1; ++i) {
        zone->StandardName[i] = static_cast<unsigned char>(name[i]);
        zone->DaylightName[i] = zone->StandardName[i];
    }
}

// Sets TZ for as long as it lives, then puts the former value back.
class ScopedTz {
  public:
    explicit ScopedTz(const std::string& value) {
        const char* old = std::getenv("TZ");
        hadOld_ = old != nullptr;
        if (hadOld_) old_ = old;
        setenv("TZ", value.c_str(), 1);
        tzset();
    }
    ~ScopedTz() {
        if (hadOld_)
            setenv("TZ", old_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ScopedTz(const ScopedTz&) = delete;
    ScopedTz& operator=(const ScopedTz&) = delete;

  private:
    bool hadOld_ = false;
    std::string old_;
};

// The zone that TZ names now, for each noon UTC of `year`.
bool FillZoneYear(const char* name, int year, ZoneYear* out) {
    const int days = DaysFromCivil(year + 1, 1, 1) - DaysFromCivil(year, 1, 1);
    const int64_t firstNoon = DaysFromCivil(year, 1, 1) * 86400 + 43200;
    int32_t offsets[kZoneYearMaxRecords];
    for (int d = 0; d < 366; ++d) {
        const int32_t offset = OffsetMinutesAt(firstNoon + (d < days ? d : days - 1) * 86400LL);
        int r = 0;
        while (r < out->recordCount && offsets[r] != offset)
            ++r;
        if (r == out->recordCount) {
            if (r == kZoneYearMaxRecords) return false;
            offsets[r] = offset;
            FixedRecord(offset, name, &out->records[r]);
            ++out->recordCount;
        }
        out->recordOfDay[d] = static_cast<unsigned char>(r);
    }
    return true;
}

// The name a file of the zoneinfo folder goes by, or the path itself.
std::string NameOfPath(const std::string& path) {
    std::string dir = ZoneDirectory();
    if (!dir.empty() && dir.back() != '/') dir += '/';
    if (path.size() > dir.size() && path.compare(0, dir.size(), dir) == 0)
        return path.substr(dir.size());
    return path;
}

// The name of the zone /etc/localtime links to, else "localtime".
std::string LocaltimeName() {
    char link[512];
    ssize_t n = readlink(kLocaltimePath, link, sizeof link - 1);
    if (n <= 0) return "localtime";
    link[n] = '\0';
    const char* marker = nullptr;
    for (const char* p = std::strstr(link, "zoneinfo/"); p != nullptr;
         p = std::strstr(p + 1, "zoneinfo/"))
        marker = p;
    return marker != nullptr && marker[9] != '\0' ? marker + 9 : "localtime";
}

} // namespace

bool LoadZoneYear(const char* zoneName, int year, ZoneYear* out, wchar_t* error,
                  int errorCapacity) {
    if (out == nullptr) return false;
    std::memset(out, 0, sizeof *out);
    if (error != nullptr && errorCapacity > 0) error[0] = L'\0';
    if (!IsAcceptableZoneName(zoneName)) {
        FormatText(error, errorCapacity, L"Invalid time zone name: %s",
                   zoneName == nullptr ? "" : zoneName);
        return false;
    }
    if (year < kZoneYearFirstYear || year > kZoneYearLastYear) {
        FormatText(error, errorCapacity, L"Invalid Year: %d", year);
        return false;
    }
    switch (KindOfFile(ZoneDirectory() + "/" + zoneName)) {
    case kNoFile:
    case kOtherFile:
        FormatText(error, errorCapacity, L"Unknown time zone: %s", zoneName);
        return false;
    case kRegularFile:
        FormatText(error, errorCapacity, L"Invalid time zone file: %s", zoneName);
        return false;
    case kZoneFile:
        break;
    }
    ScopedTz tz(std::string(":") + zoneName);
    if (!FillZoneYear(zoneName, year, out)) {
        std::memset(out, 0, sizeof *out);
        FormatText(error, errorCapacity, L"Too many offsets in one year: %s", zoneName);
        return false;
    }
    return true;
}

void ReadZoneinfoComputerZone(TIME_ZONE_INFORMATION* zone) {
    if (zone == nullptr) return;
    FixedRecord(0, "UTC", zone);

    // The file the C library would read for TZ, and the name to show.
    std::string path, name;
    const char* tz = std::getenv("TZ");
    if (tz == nullptr || std::strcmp(tz, ":") == 0) { // ":" alone is the default, as in glibc
        path = kLocaltimePath;
        name = LocaltimeName();
    } else if (tz[0] == '\0') {
        return; // UTC
    } else {
        const char* spec = tz[0] == ':' ? tz + 1 : tz;
        if (std::strlen(spec) > kMaxZoneNameLength) return;
        path = spec[0] == '/' ? std::string(spec) : ZoneDirectory() + "/" + spec;
        name = spec[0] == '/' ? NameOfPath(spec) : spec;
    }
    // A missing file is fine (a POSIX rule such as "EST5EDT,M3.2.0,M11.1.0",
    // or UTC); anything else but a regular file would block or mislead.
    const FileKind kind = KindOfFile(path);
    if (kind == kOtherFile) return;

    tzset();
    const time_t now = std::time(nullptr);
    struct tm local;
    if (localtime_r(&now, &local) == nullptr) return;
    // Without a zone file, the C library's own name for the time (a POSIX
    // rule's abbreviation, or what it made of an unknown name).
    if (kind != kZoneFile)
        name = local.tm_zone != nullptr && local.tm_zone[0] != '\0' ? local.tm_zone : "UTC";
    FixedRecord(RoundToMinutes(local.tm_gmtoff), name.c_str(), zone);
}
