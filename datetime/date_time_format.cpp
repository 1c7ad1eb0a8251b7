#include "datetime/date_time_format.h"

#include <cwchar>

#include "support/system_services.h"
#include "support/bounded_format.h"

int32_t dateTimeFormat = kDateTimeFormat12;
PackedDateTime packedDateTime;

namespace {

wchar_t dateTimeText[kDateTimeTextLength];

const int kTimeParts = kDateTimeHours | kDateTimeMinutes | kDateTimeSeconds;

bool Has(int flags, int bits) {
    return (flags & bits) == bits;
}

const wchar_t* WeekdayName(int weekday, bool full) {
    static const wchar_t* const kFull[] = {L"Monday", L"Tuesday",  L"Wednesday", L"Thursday",
                                           L"Friday", L"Saturday", L"Sunday"};
    static const wchar_t* const kShort[] = {L"Mo", L"Tu", L"We", L"Th", L"Fr", L"Sa", L"Su"};
    if (weekday < 1 || weekday > 7) return L"?";
    return full ? kFull[weekday - 1] : kShort[weekday - 1];
}

} // namespace

const wchar_t* DateTimeText() {
    return dateTimeText;
}

void CaptureLocalDateTime() {
    SYSTEMTIME now{};
    ReadLocalClock(&now);
    PackedDateTime& p = packedDateTime;
    p.fifths = static_cast<uint8_t>(now.wMilliseconds / 200);
    p.second = static_cast<uint8_t>(now.wSecond);
    p.minute = static_cast<uint8_t>(now.wMinute);
    p.hour = static_cast<uint8_t>(now.wHour);
    p.weekday = static_cast<uint8_t>(now.wDayOfWeek == 0 ? 7 : now.wDayOfWeek);
    p.month = static_cast<uint8_t>(now.wMonth);
    p.day = static_cast<uint8_t>(now.wDay);
    p.year2 = static_cast<uint8_t>(now.wYear % 100);
}

int FormatDateTime(int flags) {
    if (flags == 0) flags = dateTimeFormat;
    const PackedDateTime& p = packedDateTime;
    wchar_t* out = dateTimeText;
    const int capacity = kDateTimeTextLength;
    int length = 0;
    bool wrote = false;

    if (flags & (kDateTimeWeekdayName | kDateTimeWeekdayShort)) {
        AppendText(out, capacity, length, L"%ls",
                   WeekdayName(p.weekday, (flags & kDateTimeWeekdayName) != 0));
        if (flags & (kDateTimeDate | kTimeParts)) AppendText(out, capacity, length, L" ");
        wrote = true;
    }
    if (flags & kDateTimeDate) {
        AppendText(out, capacity, length, L"%d/%d/%02d", p.month, p.day, p.year2);
        if (flags & kTimeParts) AppendText(out, capacity, length, L" ");
        wrote = true;
    }
    if (flags & kTimeParts) {
        int hour = p.hour;
        const wchar_t* suffix = L"AM";
        if (flags & kDateTimeTwelveHour) {
            if (hour == 0) {
                hour = 12;
            } else if (hour == 12) {
                suffix = L"PM";
            } else if (hour > 12) {
                hour -= 12;
                suffix = L"PM";
            }
        }
        if (flags & kDateTimeHours) AppendText(out, capacity, length, L"%d", hour);
        if (Has(flags, kDateTimeHours | kDateTimeMinutes)) AppendText(out, capacity, length, L":");
        if (flags & kDateTimeMinutes) AppendText(out, capacity, length, L"%02d", p.minute);
        if (Has(flags, kDateTimeMinutes | kDateTimeSeconds))
            AppendText(out, capacity, length, L":");
        if (flags & kDateTimeSeconds) AppendText(out, capacity, length, L"%02d", p.second);
        if (Has(flags, kDateTimeSeconds | kDateTimeTenths))
            AppendText(out, capacity, length, L".%d", p.fifths * 2);
        if (Has(flags, kDateTimeTwelveHour | kDateTimeHours))
            AppendText(out, capacity, length, L" %ls", suffix);
        wrote = true;
    }
    // A cut piece leaves `length` at "full"; the text itself says what fitted.
    return wrote ? static_cast<int>(wcslen(out)) : 0;
}

int FormatEventTimeOfDay(const BrokenDownTime& localTm) {
    PackedDateTime& p = packedDateTime;
    p.fifths = 0;
    p.second = static_cast<uint8_t>(localTm.tm_sec);
    p.minute = static_cast<uint8_t>(localTm.tm_min);
    p.hour = static_cast<uint8_t>(localTm.tm_hour);
    p.weekday = static_cast<uint8_t>(localTm.tm_wday == 0 ? 7 : localTm.tm_wday);
    p.month = static_cast<uint8_t>(localTm.tm_mon + 1);
    p.day = static_cast<uint8_t>(localTm.tm_mday);
    p.year2 = static_cast<uint8_t>((localTm.tm_year + 1900) % 100);
    return FormatDateTime((dateTimeFormat & kDateTimeTwelveHour) | kTimeParts);
}
