#include "timezones/zone_rules.h"

#include "support/gregorian.h"
#include "timezones/utc_seconds.h"

namespace {

// Compares a local time with a change date of the record: -1 before, 0 at,
// 1 after. A recurring date (wYear 0) is the wDay-th wDayOfWeek of the month,
// 5 meaning the last; an absolute date is that day of the month.
int CompareWithChangeDate(const SYSTEMTIME& date, const SYSTEMTIME& change) {
    if (date.wMonth < change.wMonth) return -1;
    if (date.wMonth > change.wMonth) return 1;
    int limitDay;
    if (change.wYear == 0) {
        int first = (6 + change.wDayOfWeek - date.wDayOfWeek + date.wDay) % 7 + 1;
        limitDay = first + 7 * (change.wDay - 1);
        if (limitDay > DaysInMonth(date.wYear, date.wMonth)) limitDay -= 7;
    } else {
        limitDay = change.wDay;
    }
    long limit = ((static_cast<long>(limitDay) * 24 + change.wHour) * 60 + change.wMinute) * 60;
    long moment =
        ((static_cast<long>(date.wDay) * 24 + date.wHour) * 60 + date.wMinute) * 60 + date.wSecond;
    return moment < limit ? -1 : (moment > limit ? 1 : 0);
}

bool IsValidChangeDate(const SYSTEMTIME& change) {
    if (change.wMonth < 1 || change.wMonth > 12) return false;
    if (change.wHour > 23 || change.wMinute > 59) return false;
    if (change.wYear == 0) return change.wDay >= 1 && change.wDay <= 5 && change.wDayOfWeek <= 6;
    return change.wDay >= 1 && change.wDay <= 31;
}

bool IsValidUtc(const SYSTEMTIME& t) {
    if (t.wYear < 1601 || t.wYear > 30827) return false;
    if (t.wMonth < 1 || t.wMonth > 12) return false;
    if (t.wDay < 1 || t.wDay > DaysInMonth(t.wYear, t.wMonth)) return false;
    return t.wHour <= 23 && t.wMinute <= 59 && t.wSecond <= 59 && t.wMilliseconds <= 999;
}

} // namespace

ZoneRulePhase ZonePhaseAtUtc(const TIME_ZONE_INFORMATION* zone, const SYSTEMTIME* utc) {
    if (zone == nullptr || utc == nullptr || !IsValidUtc(*utc)) return kZonePhaseInvalid;
    // Biases beyond these are no zone's (Windows and Wine would apply them).
    // Without daylight time StandardBias and DaylightBias are not used.
    if (zone->Bias < -1440 * 2 || zone->Bias > 1440 * 2) return kZonePhaseInvalid;
    if (zone->DaylightDate.wMonth == 0) return kZonePhaseUnknown;
    if (zone->DaylightBias < -1440 || zone->DaylightBias > 1440) return kZonePhaseInvalid;
    if (zone->StandardBias < -1440 || zone->StandardBias > 1440) return kZonePhaseInvalid;
    if (!IsValidChangeDate(zone->StandardDate) || !IsValidChangeDate(zone->DaylightDate))
        return kZonePhaseInvalid;

    // The year is that of local standard time without any bias of a phase.
    int64_t seconds = SystemTimeToSeconds(utc) - static_cast<int64_t>(zone->Bias) * 60;
    SYSTEMTIME local;
    SecondsToSystemTime(seconds, &local);
    const int year = local.wYear;

    // The change to standard time is given in daylight time ...
    seconds -= static_cast<int64_t>(zone->DaylightBias) * 60;
    SecondsToSystemTime(seconds, &local);
    bool beforeStandardDate = local.wYear == year
                                  ? CompareWithChangeDate(local, zone->StandardDate) < 0
                                  : local.wYear < year;

    // ... and the change to daylight time in standard time.
    seconds -= static_cast<int64_t>(zone->StandardBias - zone->DaylightBias) * 60;
    SecondsToSystemTime(seconds, &local);
    bool afterDaylightDate = local.wYear == year
                                 ? CompareWithChangeDate(local, zone->DaylightDate) >= 0
                                 : local.wYear > year;

    bool daylight = zone->DaylightDate.wMonth < zone->StandardDate.wMonth
                        ? (beforeStandardDate && afterDaylightDate)  // northern order
                        : (beforeStandardDate || afterDaylightDate); // across the new year
    return daylight ? kZonePhaseDaylight : kZonePhaseStandard;
}

bool ApplyZoneRules(const TIME_ZONE_INFORMATION* zone, const SYSTEMTIME* utc, SYSTEMTIME* local) {
    ZoneRulePhase phase = ZonePhaseAtUtc(zone, utc);
    if (phase == kZonePhaseInvalid || local == nullptr) return false;
    int64_t bias = zone->Bias;
    if (phase == kZonePhaseDaylight) bias += zone->DaylightBias;
    if (phase == kZonePhaseStandard) bias += zone->StandardBias;
    int64_t seconds = SystemTimeToSeconds(utc) - bias * 60;
    // SYSTEMTIME covers the years 1601 to 30827; a wild bias can leave them.
    if (seconds < DaysFromCivil(1601, 1, 1) * 86400 ||
        seconds >= DaysFromCivil(30828, 1, 1) * 86400)
        return false;
    WORD milliseconds = utc->wMilliseconds;
    SecondsToSystemTime(seconds, local);
    local->wMilliseconds = milliseconds;
    return true;
}
