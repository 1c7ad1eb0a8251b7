// The proleptic Gregorian calendar's arithmetic, shared by everything that
// counts days: the engine's day numbering, the zone rules and the UTC clock.
#pragma once

#include <cstdint>

bool IsLeapYear(int64_t year);
// Days of a month (1-12) of the year.
int DaysInMonth(int64_t year, int month);
// Month lengths of a common and of a leap year, January first.
extern const unsigned char MonthLengthsCommon[12];
extern const unsigned char MonthLengthsLeap[12];

// Division rounding towards minus infinity (b > 0).
int64_t FloorDiv(int64_t a, int64_t b);

// Days since 1970-01-01 of a civil date (any year; month 1-12).
int64_t DaysFromCivil(int64_t year, int month, int day);
// The civil date of a day count since 1970-01-01.
void CivilFromDays(int64_t days, int64_t* year, int* month, int* day);
