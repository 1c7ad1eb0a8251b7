#include "app/batch_actions.h"

#include "app/commands.h"
#include "app/file_commands.h"
#include "app/main_window.h"
#include "app/program_state.h"
#include "app/selection_dialog.h"
#include "app/selection_range.h"
#include "presentation/presentation_state.h"
#include "suntimes/batch_commands.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"
#include "suntimes/time_zone_choice.h"
#include "timezones/time_zone_registry.h"

namespace {

// The results of the current settings, as the selection dialog would compute
// them: in the zone chosen last (by TIMEZONE or in the dialog), else the
// computer's, over the dates chosen, else the whole year.
void ComputeCurrentResults() {
    EnsureZoneCatalogue();
    const int chosen = ChosenZoneIndex();
    if (chosen >= 0)
        timeZoneIndex = chosen;
    else if (timeZoneIndex < 0)
        timeZoneIndex = FindComputerZoneIndex();
    if (datesChosen == 0) {
        rangeStart = yearStart;
        rangeEnd = yearEnd;
    }
    SetSunTimesDateRange(rangeStart, rangeEnd);
    RecomputeSeries();
    RefreshChecks();
    RedrawResults();
}

int ShownYear() {
    return today.wYear;
}

void SetMode(int mode) {
    DataKind = mode & ~kShowLengths;
    sunTimesSeries.showLengths = mode & kShowLengths;
    RefreshSelectionControls(true); // names its check boxes for the mode
    ComputeCurrentResults();
}

void SetRange(const SYSTEMTIME& start, const SYSTEMTIME& end) {
    rangeStart = start;
    rangeEnd = end;
    datesChosen = 1;
    SetSelectionDialogDates(rangeStart, rangeEnd);
    ComputeCurrentResults();
}

void SetDates(int month1, int day1, int month2, int day2) {
    SYSTEMTIME start = yearStart, end = yearStart;
    start.wMonth = static_cast<WORD>(month1);
    start.wDay = static_cast<WORD>(day1);
    end.wMonth = static_cast<WORD>(month2);
    end.wDay = static_cast<WORD>(day2);
    SetRange(start, end);
}

void SetWholeYear() {
    SetRange(yearStart, yearEnd);
}

void SetView(int view) {
    plotView = view;
    RefreshChecks();
    RedrawResults();
}

void SaveAs(const wchar_t* path) {
    ComputeCurrentResults();
    SaveResultsTo(path);
}

void Print() {
    ComputeCurrentResults();
    PrintResults(mainWindow, kPrintDefaultPrinter);
}

} // namespace

void InstallBatchActions() {
    batchActions = BatchActions{ShownYear, SetMode, SetDates, SetWholeYear, SetView, SaveAs, Print};
}
