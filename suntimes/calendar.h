// Day-of-year numbering (0 = 1 January), the Gregorian leap rule and the
// validation of the shown date range. Each conversion makes the leap-year
// decision for its year and leaves it in currentMonthLengths and
// currentLastDayIndex, which the series driver reads.
#pragma once

#include <cstdint>

#include "support/gregorian.h"
#include "support/platform_types.h"

extern const unsigned char* currentMonthLengths;
extern int32_t currentLastDayIndex; // 365 in a leap year, 364 otherwise

// Chooses the month-length table and the last day index for the year.
void DecideLeapYear(int32_t year);
// The current UTC year.
int32_t CurrentUtcYear();

// All return 1 on success, 0 after reporting an error. A year below 0 means
// the current UTC year.
int MonthDayToYearDay(int32_t month, int32_t day, int32_t year, int32_t* yearDay);
int YearDayToMonthDay(int32_t year, int32_t yearDay, WORD* month, WORD* day);
int YearDayToMonthDayClamped(int32_t year, int32_t yearDay, int32_t* month, int32_t* day);

// Sets the series' startDay, endDay and dayCount from two dates, both read in
// the start's year, swapped when the end lies before the start. Returns the
// day count, or 0 (and dayCount 0) after reporting an error.
int SetSunTimesDateRange(SYSTEMTIME start, SYSTEMTIME end);
