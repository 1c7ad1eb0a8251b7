// The year that the date pickers span and the shown range lies in. It is the
// year of today's date, so a program left running past New Year moves its
// dates to the new year before it computes again.
#pragma once

#include "support/platform_types.h"

// 1 January 00:00:00.000 and 31 December 23:59:59.999 of today's year; the
// other fields (the day of the week) are today's as read.
void SetYearBounds(const SYSTEMTIME& today, SYSTEMTIME* yearStart, SYSTEMTIME* yearEnd);

// Puts a date into `year`, keeping month and day; 29 February becomes
// 28 February in a common year.
void MoveDateToYear(int year, SYSTEMTIME* date);

// Sets the year bounds for today's year when they span another, and moves
// each range date that lies in another year into today's. Returns true when
// anything moved.
bool FollowTodaysYear(const SYSTEMTIME& today, SYSTEMTIME* yearStart, SYSTEMTIME* yearEnd,
                      SYSTEMTIME* rangeStart, SYSTEMTIME* rangeEnd);
