#include "app/selection_range.h"

#include "app/commands.h"
#include "app/main_window.h"
#include "app/program_state.h"
#include "app/selection_dialog.h"
#include "app/selection_dialog_year.h"
#include "support/error_report.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"
#include "suntimes/time_zone_choice.h"

int RecomputeSeries() {
    // A program left running past New Year computes the new year, with its
    // range moved into it first.
    GetLocalTime(&today);
    if (FollowTodaysYear(today, &yearStart, &yearEnd, &rangeStart, &rangeEnd)) {
        SetSunTimesDateRange(rangeStart, rangeEnd);
        FollowYearInSelectionDialog();
    }
    // By position: catalogue entries are made anew whenever it is rebuilt.
    const TIME_ZONE_INFORMATION* zone = ZoneAtIndex(timeZoneIndex);
    return CalcSunTimesSeries(today.wYear, zone, siteLatitude, siteLongitude);
}

bool ApplyRange(int startDay, int endDay) {
    if (ZoneAtIndex(timeZoneIndex) == nullptr) {
        ReportError(L"Timezone Not Found");
        return false;
    }
    WORD month = 0, day = 0;
    if (!YearDayToMonthDay(rangeStart.wYear, startDay, &month, &day)) return false;
    rangeStart.wMonth = month;
    rangeStart.wDay = day;
    if (!YearDayToMonthDay(rangeEnd.wYear, endDay, &month, &day)) return false;
    rangeEnd.wMonth = month;
    rangeEnd.wDay = day;
    SetSelectionDialogDates(rangeStart, rangeEnd);
    SetSunTimesDateRange(rangeStart, rangeEnd);
    RecomputeSeries();
    RefreshChecks();
    RedrawResults();
    return true;
}

void ApplyCommandSelections() {
    const int chosen = ChosenZoneIndex();
    if (chosen >= 0) timeZoneIndex = chosen;
    if (SelectionDialogWindow() != nullptr) {
        ShowSelectionsInDialog();
    } else if (timeZoneIndex >= 0) {
        RecomputeSeries();
        RedrawResults();
    }
    RefreshChecks();
}
