#include "app/selection_dialog_year.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Ymd = std::tuple<int, int, int>;
SYSTEMTIME Date(const Ymd& d) {
    SYSTEMTIME date = {};
    date.wYear = static_cast<WORD>(std::get<0>(d));
    date.wMonth = static_cast<WORD>(std::get<1>(d));
    date.wDay = static_cast<WORD>(std::get<2>(d));
    return date;
}
Ymd Of(const SYSTEMTIME& d) {
    return {d.wYear, d.wMonth, d.wDay};
}

// A program left running past New Year: the year bounds become the new
// year's, and each chosen date moves into it with its month and day.
TEST(SelectionDialogYear, RunningPastNewYearMovesTheDatesIntoTheNewYear) {
    const struct {
        Ymd today, start, end;
        bool moved;
        Ymd newStart, newEnd;
    } cases[] = {
        {{2027, 1, 1}, {2026, 3, 1}, {2026, 3, 31}, true, {2027, 3, 1}, {2027, 3, 31}},
        {{2025, 1, 2}, {2024, 2, 29}, {2024, 12, 31}, true, {2025, 2, 28}, {2025, 12, 31}},
        {{2028, 1, 1}, {2027, 2, 28}, {2027, 2, 28}, true, {2028, 2, 28}, {2028, 2, 28}},
        {{2026, 6, 1}, {2026, 3, 1}, {2026, 3, 31}, false, {2026, 3, 1}, {2026, 3, 31}},
    };
    for (const auto& c : cases) {
        const SYSTEMTIME today = Date(c.today);
        SYSTEMTIME yearStart = Date(c.start), yearEnd = Date(c.end);
        yearStart.wMonth = yearStart.wDay = 1;
        yearEnd.wMonth = 12;
        yearEnd.wDay = 31;
        SYSTEMTIME start = Date(c.start), end = Date(c.end);
        EXPECT_EQ(FollowTodaysYear(today, &yearStart, &yearEnd, &start, &end), c.moved);
        EXPECT_EQ(std::make_tuple(Of(start), Of(end)), std::make_tuple(c.newStart, c.newEnd));
        EXPECT_EQ(Of(yearStart), Ymd(std::get<0>(c.today), 1, 1));
        EXPECT_EQ(Of(yearEnd), Ymd(std::get<0>(c.today), 12, 31));
        if (c.moved) { // to the year's last second
            EXPECT_EQ(yearEnd.wHour * 10000 + yearEnd.wMinute * 100 + yearEnd.wSecond, 235959);
        }
    }
}

} // namespace
