#include "timezones/zoneinfo_zone.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "support/bounded_format.h"
#include "timezones/utc_seconds.h"
#include "timezones/zone_rules.h"

namespace {

const char kDefaultZoneDirectory[] = "/usr/share/zoneinfo";
const char kLocaltimePath[] = "/etc/localtime";

// Real TZif files are a few kilobytes; anything far larger is not one.
const size_t kMaxZoneFileBytes = 1u << 20;
const size_t kMaxZoneNameLength = 255;
// RFC 8536: offsets SHOULD lie in -89999 .. 93599 seconds.
const int32_t kMinOffsetSeconds = -89999;
const int32_t kMaxOffsetSeconds = 93599;

// ---------------------------------------------------------------------------
// The zone as read from a file or a POSIX TZ string.

struct LocalType {
    int32_t utoff; // seconds east of UTC
    bool isdst;
};

// One change date of a POSIX TZ rule: Jn (1-365, 29 February never counted),
// n (0-365, counted) or Mm.w.d, at `time` seconds of local time (may be
// negative or beyond 24 hours, TZif version 3).
struct PosixRuleDate {
    char kind; // 'J', 'N' or 'M'
    int month, week, day;
    int32_t time;
};

struct PosixZone {
    bool valid;
    int32_t stdoff; // seconds east of UTC
    bool hasDst;
    int32_t dstoff;
    PosixRuleDate start; // to daylight time, in local standard time
    PosixRuleDate end;   // to standard time, in local daylight time
};

struct ZoneData {
    std::vector<int64_t> times;  // transition instants, strictly ascending
    std::vector<uint8_t> typeOf; // local time type of each transition
    std::vector<LocalType> types;
    PosixZone footer; // valid == false: none
    bool footerOnly;  // a TZ string without a file: the footer is all
};

// ---------------------------------------------------------------------------
// POSIX TZ strings ("EST5EDT,M3.2.0,M11.1.0", "<+0545>-5:45").

bool ParseZoneAbbreviation(const char*& p) {
    int count = 0;
    if (*p == '<') {
        ++p;
        while (*p != '>') {
            char c = *p;
            bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      c == '+' || c == '-';
            if (!ok) return false;
            ++p;
            ++count;
        }
        ++p;
    } else {
        while ((*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z')) {
            ++p;
            ++count;
        }
    }
    return count >= 3;
}

bool ParseNumber(const char*& p, int maxDigits, int maxValue, int* value) {
    int v = 0, digits = 0;
    while (*p >= '0' && *p <= '9') {
        if (++digits > maxDigits) return false;
        v = v * 10 + (*p - '0');
        ++p;
    }
    if (digits == 0 || v > maxValue) return false;
    *value = v;
    return true;
}

// [+-]hh[:mm[:ss]] as signed seconds.
bool ParseHms(const char*& p, int maxHours, int32_t* seconds) {
    int sign = 1;
    if (*p == '+' || *p == '-') sign = *p++ == '-' ? -1 : 1;
    int h = 0, m = 0, s = 0;
    if (!ParseNumber(p, 3, maxHours, &h)) return false;
    if (*p == ':') {
        ++p;
        if (!ParseNumber(p, 2, 59, &m)) return false;
        if (*p == ':') {
            ++p;
            if (!ParseNumber(p, 2, 59, &s)) return false;
        }
    }
    *seconds = sign * (h * 3600 + m * 60 + s);
    return true;
}

bool ParseRuleDate(const char*& p, PosixRuleDate* date) {
    date->month = date->week = date->day = 0;
    if (*p == 'J') {
        ++p;
        date->kind = 'J';
        if (!ParseNumber(p, 3, 365, &date->day) || date->day < 1) return false;
    } else if (*p == 'M') {
        ++p;
        date->kind = 'M';
        if (!ParseNumber(p, 2, 12, &date->month) || date->month < 1) return false;
        if (*p != '.') return false;
        ++p;
        if (!ParseNumber(p, 1, 5, &date->week) || date->week < 1) return false;
        if (*p != '.') return false;
        ++p;
        if (!ParseNumber(p, 1, 6, &date->day)) return false;
    } else {
        date->kind = 'N';
        if (!ParseNumber(p, 3, 365, &date->day)) return false;
    }
    date->time = 7200;
    if (*p == '/') {
        ++p;
        if (!ParseHms(p, 167, &date->time)) return false;
    }
    return true;
}

bool ParsePosixZone(const char* text, PosixZone* zone) {
    std::memset(zone, 0, sizeof *zone);
    const char* p = text;
    if (!ParseZoneAbbreviation(p)) return false;
    int32_t west = 0;
    if (!ParseHms(p, 24, &west)) return false;
    zone->stdoff = -west;
    if (*p != '\0') {
        if (!ParseZoneAbbreviation(p)) return false;
        zone->hasDst = true;
        zone->dstoff = zone->stdoff + 3600;
        if (*p != '\0' && *p != ',') {
            if (!ParseHms(p, 24, &west)) return false;
            zone->dstoff = -west;
        }
        if (*p == ',') {
            ++p;
            if (!ParseRuleDate(p, &zone->start)) return false;
            if (*p != ',') return false;
            ++p;
            if (!ParseRuleDate(p, &zone->end)) return false;
        } else {
            // No rule given: the United States rule that glibc's default gives.
            zone->start = PosixRuleDate{'M', 3, 2, 0, 7200};
            zone->end = PosixRuleDate{'M', 11, 1, 0, 7200};
        }
    }
    if (*p != '\0') return false;
    zone->valid = true;
    return true;
}

bool IsLeap(int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int64_t year, int month) {
    static const int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (month == 2 && IsLeap(year)) ? 29 : kLengths[month - 1];
}

int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

int64_t UtcYearOf(int64_t seconds) {
    int64_t year = 0;
    int month = 0, day = 0;
    CivilFromDays(FloorDiv(seconds, 86400), &year, &month, &day);
    return year;
}

// The UTC instant of a rule's change in `year`, the rule's time being local
// time at `offset` seconds east of UTC.
int64_t RuleChangeUtc(int64_t year, const PosixRuleDate& date, int32_t offset) {
    int64_t days = DaysFromCivil(year, 1, 1);
    if (date.kind == 'J') {
        days += date.day - 1 + ((IsLeap(year) && date.day >= 60) ? 1 : 0);
    } else if (date.kind == 'N') {
        days += date.day;
    } else {
        int64_t first = DaysFromCivil(year, date.month, 1);
        int weekdayOfFirst = static_cast<int>(((first + 4) % 7 + 7) % 7); // 0 = Sunday
        int64_t day = first + (date.day - weekdayOfFirst + 7) % 7 + 7 * (date.week - 1);
        while (day >= first + DaysInMonth(year, date.month))
            day -= 7;
        days = day;
    }
    return days * 86400 + date.time - offset;
}

// The footer rule's local time type at `t`: the latest change at or before t
// among the changes of the neighbouring years. When a change to standard time
// and one to daylight time fall on the same instant (daylight time all year,
// "0/0,J365/25"), daylight time wins.
LocalType PosixTypeAt(const PosixZone& zone, int64_t t) {
    LocalType standard{zone.stdoff, false};
    if (!zone.hasDst) return standard;
    const int64_t year = UtcYearOf(t);
    bool found = false;
    int64_t bestTime = 0;
    bool bestDst = false;
    for (int64_t y = year - 2; y <= year + 1; ++y) {
        const int64_t changes[2] = {RuleChangeUtc(y, zone.start, zone.stdoff),
                                    RuleChangeUtc(y, zone.end, zone.dstoff)};
        for (int k = 0; k < 2; ++k) {
            const bool toDst = k == 0;
            if (changes[k] > t) continue;
            if (!found || changes[k] > bestTime || (changes[k] == bestTime && toDst)) {
                found = true;
                bestTime = changes[k];
                bestDst = toDst;
            }
        }
    }
    if (found && bestDst) return LocalType{zone.dstoff, true};
    return standard;
}

// ---------------------------------------------------------------------------
// TZif files (RFC 8536).

struct TzifCounts {
    uint32_t isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt;
    unsigned char version;
};

uint32_t ReadU32(const unsigned char* p) {
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
}

int64_t ReadI64(const unsigned char* p) {
    uint64_t v = (static_cast<uint64_t>(ReadU32(p)) << 32) | ReadU32(p + 4);
    return static_cast<int64_t>(v);
}

bool ReadTzifHeader(const unsigned char* data, size_t size, size_t offset, TzifCounts* counts) {
    if (offset > size || size - offset < 44) return false;
    const unsigned char* p = data + offset;
    if (std::memcmp(p, "TZif", 4) != 0) return false;
    counts->version = p[4];
    counts->isutcnt = ReadU32(p + 20);
    counts->isstdcnt = ReadU32(p + 24);
    counts->leapcnt = ReadU32(p + 28);
    counts->timecnt = ReadU32(p + 32);
    counts->typecnt = ReadU32(p + 36);
    counts->charcnt = ReadU32(p + 40);
    if (counts->typecnt == 0 || counts->typecnt > 256) return false;
    if (counts->isutcnt != 0 && counts->isutcnt != counts->typecnt) return false;
    if (counts->isstdcnt != 0 && counts->isstdcnt != counts->typecnt) return false;
    return true;
}

// Bytes of the data block after a header; 0 when it cannot fit in a file.
uint64_t TzifBlockSize(const TzifCounts& c, int timeSize) {
    return static_cast<uint64_t>(c.timecnt) * (timeSize + 1) +
           static_cast<uint64_t>(c.typecnt) * 6 + c.charcnt +
           static_cast<uint64_t>(c.leapcnt) * (timeSize + 4) + c.isstdcnt + c.isutcnt;
}

// Reads the data block at `offset` (after its header) into `zone`.
bool ReadTzifBlock(const unsigned char* data, size_t size, size_t offset, const TzifCounts& c,
                   int timeSize, ZoneData* zone) {
    const uint64_t blockSize = TzifBlockSize(c, timeSize);
    if (offset > size || blockSize > size - offset) return false;
    const unsigned char* p = data + offset;
    zone->times.resize(c.timecnt);
    zone->typeOf.resize(c.timecnt);
    zone->types.resize(c.typecnt);
    for (uint32_t i = 0; i < c.timecnt; ++i) {
        const unsigned char* q = p + static_cast<size_t>(i) * timeSize;
        int64_t t =
            timeSize == 8 ? ReadI64(q) : static_cast<int64_t>(static_cast<int32_t>(ReadU32(q)));
        if (i > 0 && t <= zone->times[i - 1]) return false;
        zone->times[i] = t;
    }
    p += static_cast<size_t>(c.timecnt) * timeSize;
    for (uint32_t i = 0; i < c.timecnt; ++i) {
        if (p[i] >= c.typecnt) return false;
        zone->typeOf[i] = p[i];
    }
    p += c.timecnt;
    for (uint32_t i = 0; i < c.typecnt; ++i, p += 6) {
        int32_t utoff = static_cast<int32_t>(ReadU32(p));
        if (utoff < kMinOffsetSeconds || utoff > kMaxOffsetSeconds) return false;
        if (p[4] > 1) return false;
        if (c.charcnt != 0 && p[5] >= c.charcnt) return false;
        zone->types[i] = LocalType{utoff, p[4] == 1};
    }
    // Abbreviations, leap seconds and the standard/UT indicators are not used.
    return true;
}

bool ParseTzif(const unsigned char* data, size_t size, ZoneData* zone) {
    zone->footer.valid = false;
    zone->footerOnly = false;
    TzifCounts v1;
    if (!ReadTzifHeader(data, size, 0, &v1)) return false;
    if (v1.version == 0) return ReadTzifBlock(data, size, 44, v1, 4, zone);
    if (v1.version < '2') return false;

    const uint64_t v1Size = TzifBlockSize(v1, 4);
    if (v1Size > size - 44) return false;
    const size_t v2Header = 44 + static_cast<size_t>(v1Size);
    TzifCounts v2;
    if (!ReadTzifHeader(data, size, v2Header, &v2)) return false;
    if (!ReadTzifBlock(data, size, v2Header + 44, v2, 8, zone)) return false;

    // The footer: "\n" TZ string "\n".
    size_t pos = v2Header + 44 + static_cast<size_t>(TzifBlockSize(v2, 8));
    if (pos >= size || data[pos] != '\n') return false;
    ++pos;
    const unsigned char* end =
        static_cast<const unsigned char*>(std::memchr(data + pos, '\n', size - pos));
    if (end == nullptr) return false;
    std::string text(reinterpret_cast<const char*>(data + pos),
                     static_cast<size_t>(end - (data + pos)));
    if (text.find('\0') != std::string::npos) return false;
    // An empty footer means none; one that does not parse is ignored as well.
    if (!text.empty()) ParsePosixZone(text.c_str(), &zone->footer);
    if (zone->footer.valid &&
        (zone->footer.stdoff < kMinOffsetSeconds || zone->footer.stdoff > kMaxOffsetSeconds ||
         zone->footer.dstoff < kMinOffsetSeconds || zone->footer.dstoff > kMaxOffsetSeconds))
        zone->footer.valid = false;
    return true;
}

enum LoadResult { kLoaded, kNotFound, kMalformed };

LoadResult LoadZoneFile(const std::string& path, ZoneData* zone) {
    // Not blocking: a FIFO in the way must not hang the open.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return kNotFound;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return kNotFound;
    }
    if (info.st_size < 0 || static_cast<uint64_t>(info.st_size) > kMaxZoneFileBytes) {
        close(fd);
        return kMalformed;
    }
    std::vector<unsigned char> data(static_cast<size_t>(info.st_size));
    size_t got = 0;
    while (got < data.size()) {
        ssize_t n = read(fd, data.data() + got, data.size() - got);
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    close(fd);
    if (got != data.size()) return kMalformed;
    return ParseTzif(data.data(), data.size(), zone) ? kLoaded : kMalformed;
}

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

// ---------------------------------------------------------------------------
// The zone's local time type at an instant, the way glibc picks it.

LocalType TypeAt(const ZoneData& zone, int64_t t) {
    if (zone.footerOnly) return PosixTypeAt(zone.footer, t);
    const size_t n = zone.times.size();
    if (n == 0 || t < zone.times[0]) {
        // Before any transition: the first standard-time type.
        for (const LocalType& type : zone.types)
            if (!type.isdst) return type;
        return zone.types[0];
    }
    if (t >= zone.times[n - 1]) {
        if (zone.footer.valid) return PosixTypeAt(zone.footer, t);
        return zone.types[zone.typeOf[n - 1]];
    }
    size_t i = static_cast<size_t>(std::upper_bound(zone.times.begin(), zone.times.end(), t) -
                                   zone.times.begin()) -
               1;
    return zone.types[zone.typeOf[i]];
}

// Offsets in whole minutes, halves rounded away from zero.
int32_t RoundToMinutes(int32_t seconds) {
    return seconds >= 0 ? (seconds + 30) / 60 : -((-seconds + 30) / 60);
}

struct OffsetChange {
    int64_t at; // UTC instant from which `after` is in force
    int32_t beforeMinutes;
    int32_t afterMinutes;
};

// The offset at `from` and every change of the (rounded) offset in (from, to].
void CollectChanges(const ZoneData& zone, int64_t from, int64_t to, int32_t* initialMinutes,
                    std::vector<OffsetChange>* changes) {
    std::vector<int64_t> candidates;
    for (int64_t t : zone.times)
        if (t > from && t <= to) candidates.push_back(t);
    const bool footerApplies =
        zone.footer.valid && (zone.footerOnly || (!zone.times.empty() && zone.times.back() <= to));
    if (footerApplies && zone.footer.hasDst) {
        for (int64_t y = UtcYearOf(from) - 2; y <= UtcYearOf(to) + 1; ++y) {
            const int64_t t1 = RuleChangeUtc(y, zone.footer.start, zone.footer.stdoff);
            const int64_t t2 = RuleChangeUtc(y, zone.footer.end, zone.footer.dstoff);
            if (t1 > from && t1 <= to) candidates.push_back(t1);
            if (t2 > from && t2 <= to) candidates.push_back(t2);
        }
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());

    int32_t current = RoundToMinutes(TypeAt(zone, from).utoff);
    *initialMinutes = current;
    changes->clear();
    for (int64_t t : candidates) {
        int32_t next = RoundToMinutes(TypeAt(zone, t).utoff);
        if (next != current) {
            changes->push_back(OffsetChange{t, current, next});
            current = next;
        }
    }
}

// ---------------------------------------------------------------------------
// Records.

void SetRecordNames(TIME_ZONE_INFORMATION* record, const char* name) {
    int i = 0;
    for (; name[i] != '\0' && i < 31; ++i) {
        record->StandardName[i] = static_cast<wchar_t>(static_cast<unsigned char>(name[i]));
        record->DaylightName[i] = record->StandardName[i];
    }
    for (; i < 32; ++i)
        record->StandardName[i] = record->DaylightName[i] = L'\0';
}

TIME_ZONE_INFORMATION FixedRecord(int32_t offsetMinutes, const char* name) {
    TIME_ZONE_INFORMATION record;
    std::memset(&record, 0, sizeof record);
    record.Bias = -offsetMinutes;
    SetRecordNames(&record, name);
    return record;
}

// The wall-clock time of a change read on the clock in force before it, as
// an absolute change date; a change between two minutes takes the later one
// so that the record never changes before the zone does.
SYSTEMTIME ChangeDate(int64_t utc, int32_t offsetMinutes) {
    int64_t local = utc + static_cast<int64_t>(offsetMinutes) * 60;
    local = FloorDiv(local + 59, 60) * 60;
    SYSTEMTIME date;
    SecondsToSystemTime(local, &date);
    return date;
}

bool IsYearExpressedBy(const ZoneYear& year, int64_t firstNoon, int days,
                       const std::vector<int32_t>& minutesOfDay) {
    for (int d = 0; d < days; ++d) {
        SYSTEMTIME utc, local;
        SecondsToSystemTime(firstNoon + static_cast<int64_t>(d) * 86400, &utc);
        const int r = year.recordOfDay[d];
        if (r >= year.recordCount) return false;
        if (!ApplyZoneRules(&year.records[r], &utc, &local)) return false;
        if (SystemTimeToSeconds(&local) - SystemTimeToSeconds(&utc) !=
            static_cast<int64_t>(minutesOfDay[d]) * 60)
            return false;
    }
    return true;
}

bool BuildZoneYear(const ZoneData& zone, const char* name, int year, ZoneYear* out, wchar_t* error,
                   int errorCapacity) {
    std::memset(out, 0, sizeof *out);
    const int days = IsLeap(year) ? 366 : 365;
    const int64_t firstNoon = DaysFromCivil(year, 1, 1) * 86400 + 43200;
    const int64_t lastNoon = firstNoon + static_cast<int64_t>(days - 1) * 86400;

    int32_t initial = 0;
    std::vector<OffsetChange> changes;
    CollectChanges(zone, firstNoon, lastNoon, &initial, &changes);

    std::vector<int32_t> minutesOfDay(static_cast<size_t>(days));
    size_t next = 0;
    int32_t current = initial;
    for (int d = 0; d < days; ++d) {
        const int64_t noon = firstNoon + static_cast<int64_t>(d) * 86400;
        while (next < changes.size() && changes[next].at <= noon)
            current = changes[next++].afterMinutes;
        minutesOfDay[static_cast<size_t>(d)] = current;
    }

    // One record for the whole year when it can say it.
    if (changes.empty()) {
        out->recordCount = 1;
        out->records[0] = FixedRecord(initial, name);
        return true;
    }
    if (changes.size() == 2 && changes[1].afterMinutes == initial) {
        const OffsetChange& first = changes[0];
        const OffsetChange& second = changes[1];
        TIME_ZONE_INFORMATION record = FixedRecord(0, name);
        if (first.afterMinutes > initial) {
            // Daylight time within the year.
            record.Bias = -initial;
            record.DaylightBias = -(first.afterMinutes - initial);
            record.DaylightDate = ChangeDate(first.at, initial);
            record.StandardDate = ChangeDate(second.at, first.afterMinutes);
        } else {
            // Daylight time across the new year: the middle is standard time.
            record.Bias = -first.afterMinutes;
            record.DaylightBias = -(initial - first.afterMinutes);
            record.StandardDate = ChangeDate(first.at, initial);
            record.DaylightDate = ChangeDate(second.at, first.afterMinutes);
        }
        out->recordCount = 1;
        out->records[0] = record;
        if (IsYearExpressedBy(*out, firstNoon, days, minutesOfDay)) return true;
        std::memset(out, 0, sizeof *out);
    }

    // Otherwise one fixed-offset record per offset of the year.
    for (int d = 0; d < days; ++d) {
        const int32_t minutes = minutesOfDay[static_cast<size_t>(d)];
        int r = 0;
        while (r < out->recordCount && out->records[r].Bias != -minutes)
            ++r;
        if (r == out->recordCount) {
            if (r == kZoneYearMaxRecords) {
                std::memset(out, 0, sizeof *out);
                FormatText(error, errorCapacity, L"Time zone has too many offsets in %d", year);
                return false;
            }
            out->records[r] = FixedRecord(minutes, name);
            ++out->recordCount;
        }
        out->recordOfDay[d] = static_cast<unsigned char>(r);
    }
    if (days == 365) out->recordOfDay[365] = out->recordOfDay[364];
    if (!IsYearExpressedBy(*out, firstNoon, days, minutesOfDay)) {
        std::memset(out, 0, sizeof *out);
        FormatText(error, errorCapacity, L"Time zone cannot be expressed in %d", year);
        return false;
    }
    return true;
}

std::wstring Widen(const char* text) {
    std::wstring wide;
    for (const char* p = text; *p != '\0' && wide.size() < 260; ++p)
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*p)));
    return wide;
}

// ---------------------------------------------------------------------------
// The computer's zone.

void UtcRecord(TIME_ZONE_INFORMATION* zone) {
    *zone = FixedRecord(0, "UTC");
}

// The zone name of /etc/localtime: what its link names below a "zoneinfo"
// folder, else /etc/timezone's first line, else "localtime".
std::string LocaltimeName() {
    char link[512];
    ssize_t n = readlink(kLocaltimePath, link, sizeof link - 1);
    if (n > 0) {
        link[n] = '\0';
        const char* marker = nullptr;
        for (const char* p = std::strstr(link, "zoneinfo/"); p != nullptr;
             p = std::strstr(p + 1, "zoneinfo/"))
            marker = p;
        if (marker != nullptr && marker[9] != '\0') return marker + 9;
    }
    int fd = open("/etc/timezone", O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        char text[256];
        ssize_t got = read(fd, text, sizeof text - 1);
        close(fd);
        if (got > 0) {
            text[got] = '\0';
            std::string name(text, std::strcspn(text, "\r\n"));
            if (!name.empty()) return name;
        }
    }
    return "localtime";
}

// The name to show for a file given by its path: relative to the zoneinfo
// folder when it lies there, else the path itself.
std::string NameOfPath(const std::string& path) {
    std::string dir = ZoneDirectory();
    if (!dir.empty() && dir.back() != '/') dir += '/';
    if (path.size() > dir.size() && path.compare(0, dir.size(), dir) == 0)
        return path.substr(dir.size());
    return path;
}

} // namespace

bool LoadZoneYear(const char* zoneName, int year, ZoneYear* out, wchar_t* error,
                  int errorCapacity) {
    if (out == nullptr) return false;
    std::memset(out, 0, sizeof *out);
    if (error != nullptr && errorCapacity > 0) error[0] = L'\0';
    if (!IsAcceptableZoneName(zoneName)) {
        FormatText(error, errorCapacity, L"Invalid time zone name: %ls",
                   Widen(zoneName == nullptr ? "" : zoneName).c_str());
        return false;
    }
    if (year < kZoneYearFirstYear || year > kZoneYearLastYear) {
        FormatText(error, errorCapacity, L"Invalid Year: %d", year);
        return false;
    }
    ZoneData zone;
    switch (LoadZoneFile(ZoneDirectory() + "/" + zoneName, &zone)) {
    case kNotFound:
        FormatText(error, errorCapacity, L"Unknown time zone: %ls", Widen(zoneName).c_str());
        return false;
    case kMalformed:
        FormatText(error, errorCapacity, L"Invalid time zone file: %ls", Widen(zoneName).c_str());
        return false;
    case kLoaded:
        break;
    }
    return BuildZoneYear(zone, zoneName, year, out, error, errorCapacity);
}

void ReadZoneinfoComputerZone(TIME_ZONE_INFORMATION* zone) {
    if (zone == nullptr) return;
    UtcRecord(zone);

    ZoneData data;
    std::string name;
    bool loaded = false;
    const char* tz = std::getenv("TZ");
    if (tz == nullptr || std::strcmp(tz, ":") == 0) { // as glibc: ":" alone is the default
        loaded = LoadZoneFile(kLocaltimePath, &data) == kLoaded;
        if (loaded) name = LocaltimeName();
    } else if (tz[0] != '\0') {
        const bool colon = tz[0] == ':';
        const char* spec = colon ? tz + 1 : tz;
        if (spec[0] == '/') {
            loaded = std::strlen(spec) < 4096 && LoadZoneFile(spec, &data) == kLoaded;
            if (loaded) name = NameOfPath(spec);
        } else if (IsAcceptableZoneName(spec)) {
            loaded = LoadZoneFile(ZoneDirectory() + "/" + spec, &data) == kLoaded;
            if (loaded) name = spec;
        }
        if (!loaded && !colon && std::strlen(spec) < 256 && ParsePosixZone(spec, &data.footer)) {
            data.times.clear();
            data.typeOf.clear();
            data.types.assign(1, LocalType{data.footer.stdoff, false});
            data.footerOnly = true;
            loaded = true;
            name = spec;
        }
    }
    if (!loaded) return; // UTC

    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    SYSTEMTIME today;
    SecondsToSystemTime(now, &today);
    int year = today.wYear;
    if (year < kZoneYearFirstYear) year = kZoneYearFirstYear;
    if (year > kZoneYearLastYear) year = kZoneYearLastYear;
    const int64_t dayOfYear = FloorDiv(now, 86400) - DaysFromCivil(year, 1, 1);

    ZoneYear zoneYear;
    if (!BuildZoneYear(data, name.c_str(), year, &zoneYear, nullptr, 0)) return;
    const int day = dayOfYear < 0 ? 0 : (dayOfYear > 365 ? 365 : static_cast<int>(dayOfYear));
    *zone = zoneYear.records[zoneYear.recordOfDay[day]];
}
