#include "app/selection_dialog_year.h"

#include <initializer_list>

#include "suntimes/calendar.h"

void SetYearBounds(const SYSTEMTIME& today, SYSTEMTIME* yearStart, SYSTEMTIME* yearEnd) {
    *yearStart = today;
    yearStart->wMonth = 1;
    yearStart->wDay = 1;
    yearStart->wHour = 0;
    yearStart->wMinute = 0;
    yearStart->wSecond = 0;
    yearStart->wMilliseconds = 0;
    *yearEnd = today;
    yearEnd->wMonth = 12;
    yearEnd->wDay = 31;
    yearEnd->wHour = 23;
    yearEnd->wMinute = 59;
    yearEnd->wSecond = 59;
    yearEnd->wMilliseconds = 999;
}

void MoveDateToYear(int year, SYSTEMTIME* date) {
    date->wYear = static_cast<WORD>(year);
    if (date->wMonth == 2 && date->wDay == 29 && !IsLeapYear(year)) date->wDay = 28;
}

bool FollowTodaysYear(const SYSTEMTIME& today, SYSTEMTIME* yearStart, SYSTEMTIME* yearEnd,
                      SYSTEMTIME* rangeStart, SYSTEMTIME* rangeEnd) {
    bool moved = false;
    if (yearStart->wYear != today.wYear || yearEnd->wYear != today.wYear) {
        SetYearBounds(today, yearStart, yearEnd);
        moved = true;
    }
    for (SYSTEMTIME* date : {rangeStart, rangeEnd})
        if (date->wYear != today.wYear) {
            MoveDateToYear(today.wYear, date);
            moved = true;
        }
    return moved;
}
