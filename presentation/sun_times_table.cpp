#include "presentation/sun_times_table.h"

#include <cmath>
#include <cstdarg>
#include <cwchar>

#include "datetime/date_time_format.h"
#include "presentation/event_captions.h"
#include "support/system_services.h"
#include "presentation/presentation_state.h"
#include "presentation/table_text.h"
#include "support/bounded_format.h"
#include "suntimes/solar_events.h"
#include "suntimes/sun_times_series.h"
#include "timezones/time_zone_catalogue.h"

namespace {

enum { kCellLength = kTableCellLength, kPieceLength = TableText::kPieceLength };

const wchar_t* TitleText(int mode, int view) {
    const bool plot = view == kViewPlot;
    switch (mode) {
    case kModeTime:
    case kModeVelocity:
    case kModeAcceleration:
        if (plot) return L" Dawn(Red)/Sunrise(Orange)/Sunset(Cyan)/Dusk(Blue): %d\r\n";
        if (mode == kModeTime) return L" Time of Day\r\n";
        if (mode == kModeVelocity) return L" Velocity: Time Delta: Sec/Day\r\n";
        return L" Acceleration: Time Velocity Delta: Sec*Sec/Day\r\n";
    case kModeHours:
    case kModeHourVelocity:
    case kModeHourAcceleration:
        if (plot) return L" Dawn-Dusk(Red)/Daylight(Orange)/Night(Cyan)/Dusk-Dawn(Blue): %d\r\n";
        if (mode == kModeHours) return L" Length in Hours\r\n";
        if (mode == kModeHourVelocity) return L" Velocity: Hours Delta: Sec/Day\r\n";
        return L" Acceleration: Hours Velocity Delta: Sec*Sec/Day\r\n";
    default:
        return L"";
    }
}

// A column's heading: its caption, left-aligned in the width that lines it
// up with the cells below.
void FormatColumnHeading(int column, bool lengths, wchar_t* heading) {
    static const int kEventWidths[kSunEventCount] = {7, 8, 8, 7};
    static const int kPeriodWidths[kSunEventCount] = {9, 8, 7, 9};
    FormatText(heading, kCellLength, L"%-*ls", (lengths ? kPeriodWidths : kEventWidths)[column],
               EventCaption(column, lengths));
}

// Decimal hours as h:mm:ss. A length is a whole number of seconds (the
// difference of two event times) kept in decimal hours, so it is rounded to
// the nearest second: cutting the fraction would show 10:33:43 for the
// 10:33:44 between 6:53:05 and 17:26:49.
void FormatHours(double hours, wchar_t* cell) {
    // The engine's lengths lie within a day; anything else must still convert
    // to int without overflow.
    if (!(hours > -1.0e6 && hours < 1.0e6)) hours = 0.0;
    const long total = std::lround(hours * 3600.0);
    const long magnitude = total < 0 ? -total : total;
    FormatText(cell, kCellLength, L"%ls%ld:%02ld:%02ld", total < 0 ? L"-" : L"", magnitude / 3600,
               magnitude / 60 % 60, magnitude % 60);
}

void WriteTable(TableText& out, const wchar_t* lineEnd) {
    const SunTimesSeries& s = sunTimesSeries;
    if (s.dayCount == 0) return;
    if (lineEnd == nullptr) lineEnd = L"";

    wchar_t piece[kPieceLength];
    FormatDisplayTitle(piece, kPieceLength);
    out.Put(piece);
    out.PutFormatted(L"Latitude = %g, Longitude = %g", siteLatitude, siteLongitude);
    out.Put(lineEnd);
    FormatZoneOffset(&currentZone, piece, kPieceLength);
    out.PutFormatted(L"Timezone = %ls", piece);
    out.Put(lineEnd);
    out.Put(lineEnd);

    const bool lengths = s.showLengths != 0;
    out.PutFormatted(L"%10ls", L"Date   ");
    for (int k = 0; k < kSunEventCount; ++k)
        if (s.showEvent[k]) {
            wchar_t heading[kCellLength];
            FormatColumnHeading(k, lengths, heading);
            out.PutFormatted(L"%13ls", heading);
        }
    out.Put(lineEnd);

    const int mode = PresentationMode();
    const int first = s.startDay < 0 ? 0 : s.startDay;
    const int last = s.endDay >= kSeriesDays ? kSeriesDays - 1 : s.endDay;
    for (int d = first; d <= last; ++d) {
        const SunTimesRecord& r = s.records[d];
        out.PutFormatted(L"%2d/%02d/%02d", r.month, r.day, r.year);
        for (int k = 0; k < kSunEventCount; ++k) {
            if (!s.showEvent[k]) continue;
            wchar_t cell[kCellLength];
            FormatSunTimesCell(r.events[k], mode, cell);
            // Times and the polar texts fill the column; numbers keep four
            // blanks to their right.
            if (cell[0] == L'N' || DataKind == kDataTime)
                out.PutFormatted(L"%13ls", cell);
            else
                out.PutFormatted(L"%9ls    ", cell);
        }
        out.Put(lineEnd);
    }
}

} // namespace

int FormatDisplayTitle(wchar_t* buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) return 0;
    SYSTEMTIME now{};
    ReadLocalClock(&now);
    int length = 0;
    int head = AppendText(buffer, capacity, length, L"Sun Times:");
    int title = AppendText(buffer, capacity, length, TitleText(PresentationMode(), plotView),
                           static_cast<int>(now.wYear));
    const bool cut = head < 0 || title < 0;
    return cut ? static_cast<int>(wcslen(buffer)) : length;
}

int FormatSunTimesTable(wchar_t* buffer, int capacity, const wchar_t* lineEnd) {
    if (buffer == nullptr || capacity <= 0) return 0;
    TableText out(buffer, capacity);
    WriteTable(out, lineEnd);
    return out.Written();
}

int SunTimesTableLength(const wchar_t* lineEnd) {
    TableText out(nullptr, 0);
    WriteTable(out, lineEnd);
    return out.Needed();
}

void FormatSunTimesCell(const SunEvent& event, int mode, wchar_t* cell) {
    cell[0] = L'\0';
    if (event.polarState > 0) {
        CopyText(cell, kCellLength, L"Never Rises");
        return;
    }
    if (event.polarState < 0) {
        CopyText(cell, kCellLength, L"Never Sets ");
        return;
    }
    switch (mode) {
    case kModeTime:
        FormatEventTimeOfDay(event.localTm);
        CopyText(cell, kCellLength, DateTimeText());
        break;
    case kModeVelocity:
        FormatText(cell, kCellLength, L"%d", event.velocity);
        break;
    case kModeAcceleration:
        FormatText(cell, kCellLength, L"%d", event.acceleration);
        break;
    case kModeHours:
        FormatHours(event.length, cell);
        break;
    case kModeHourVelocity:
        FormatText(cell, kCellLength, L"%d", event.lengthVelocity);
        break;
    case kModeHourAcceleration:
        FormatText(cell, kCellLength, L"%d", event.lengthAcceleration);
        break;
    default:
        break;
    }
}
