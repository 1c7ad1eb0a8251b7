#include "app/selection_dialog_year.h"

#include <gtest/gtest.h>

#include <tuple>

#include "suntimes/test_zones.h"

namespace {

using Ymd = std::tuple<int, int, int>;
Ymd Of(const SYSTEMTIME& d) {
    return {d.wYear, d.wMonth, d.wDay};
}

// A program left running past New Year: the year bounds become the new
// year's (to its last second), and each chosen date moves into it with its
// month and day; 29 February becomes the 28th.
TEST(SelectionDialogYear, RunningPastNewYearMovesTheDatesIntoTheNewYear) {
    const struct {
        SYSTEMTIME today, start, end;
        bool moved;
        Ymd newStart, newEnd;
    } cases[] = {
        {Time(2025, 1, 2),
         Time(2024, 2, 29),
         Time(2024, 12, 31),
         true,
         {2025, 2, 28},
         {2025, 12, 31}},
        {Time(2028, 1, 1),
         Time(2027, 2, 28),
         Time(2027, 2, 28),
         true,
         {2028, 2, 28},
         {2028, 2, 28}},
        {Time(2026, 6, 1), Time(2026, 3, 1), Time(2026, 3, 31), false, {2026, 3, 1}, {2026, 3, 31}},
    };
    for (const auto& c : cases) {
        SYSTEMTIME yearStart = Time(c.start.wYear, 1, 1), yearEnd = Time(c.start.wYear, 12, 31);
        SYSTEMTIME start = c.start, end = c.end;
        EXPECT_EQ(FollowTodaysYear(c.today, &yearStart, &yearEnd, &start, &end), c.moved);
        EXPECT_EQ(std::make_tuple(Of(start), Of(end)), std::make_tuple(c.newStart, c.newEnd));
        EXPECT_EQ(Of(yearStart), Ymd(c.today.wYear, 1, 1));
        EXPECT_EQ(Of(yearEnd), Ymd(c.today.wYear, 12, 31));
        const int endTime = yearEnd.wHour * 10000 + yearEnd.wMinute * 100 + yearEnd.wSecond;
        EXPECT_EQ(endTime, c.moved ? 235959 : 0);
    }
}

} // namespace
