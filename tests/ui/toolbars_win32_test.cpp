#include "ui/win32_toolbars.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/error_report.h"
#include "ui_test_window.h"

namespace {

using Ids = std::vector<UINT>;
const Ids kTableOrder = {9401, 9402, 9403, 9404}; // IDB_BAND_FILE onwards

// The rebar's bands: their ids, and the styles of those that start a row.
Ids BandIds(std::vector<bool>* breaks = nullptr) {
    Ids ids;
    for (int i = 0; i < SendMessageW(rebarWindow, RB_GETBANDCOUNT, 0, 0); ++i) {
        REBARBANDINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = RBBIM_ID | RBBIM_STYLE;
        SendMessageW(rebarWindow, RB_GETBANDINFOW, i, reinterpret_cast<LPARAM>(&info));
        ids.push_back(info.wID);
        if (breaks != nullptr) breaks->push_back((info.fStyle & RBBS_BREAK) != 0);
    }
    return ids;
}
// The toolbar of a row is recorded where it is now.
bool RecordedWhereItIs(int row) {
    RECT now = {};
    GetWindowRect(bandTable[row].toolbar, &now);
    return EqualRect(&now, &recordedToolbarRects[row]) != 0;
}
int RowCount() {
    return static_cast<int>(SendMessageW(rebarWindow, RB_GETROWCOUNT, 0, 0));
}

class Toolbars : public ::testing::Test {
  protected:
    HWND window = nullptr;

    void SetUp() override {
        TakePendingError();
        for (RECT& r : recordedToolbarRects)
            SetRectEmpty(&r);
        window = uitest::CreateTestWindow(900, 400);
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(CreateToolbars(window), kToolbarCount);
        EXPECT_FALSE(HasPendingError()); // every bitmap was found
    }
    void TearDown() override {
        DestroyWindow(window);
        uitest::DrainMessages();
        TakePendingError();
    }

    // Creates the toolbars again with these records, each `h` high where the
    // toolbar's height fits.
    void CreateWithRecords(const RECT (&records)[kToolbarCount]) {
        for (int i = 0; i < kToolbarCount; ++i)
            recordedToolbarRects[i] = records[i];
        ASSERT_EQ(CreateToolbars(window), kToolbarCount);
    }
    // The client height of a toolbar just created, before a band sizes it, less 6.
    int RecordHeight() {
        TBBUTTON button = {};
        button.iString = reinterpret_cast<INT_PTR>(L"X");
        const UINT none[] = {0};
        HWND toolbar = CreateToolbar(window, none, 1, &button);
        RECT client;
        GetClientRect(toolbar, &client);
        DestroyWindow(toolbar);
        return client.bottom - client.top - 6;
    }
};

// A rectangle off the screen, one that does not fit the toolbar's height, or
// nothing recorded at all: one row in table order, each toolbar recorded
// where the rebar put it.
TEST_F(Toolbars, UnusableRecordsFallBackToOneRowInTableOrder) {
    const int h = RecordHeight();
    RECT records[3][kToolbarCount] = {{{300, 10, 546, 10 + h},
                                       {10, 60, 52, 60 + h},
                                       {100, 60, 202, 60 + h},
                                       {10, 10, -5, 10 + h}},
                                      {{300, 10, 546, 10 + h},
                                       {10, 60, 52, 61 + h},
                                       {100, 60, 202, 60 + h},
                                       {10, 10, 164, 10 + h}},
                                      {}};
    for (const auto& r : records) {
        CreateWithRecords(r);
        EXPECT_EQ(BandIds(), kTableOrder);
        EXPECT_EQ(RowCount(), 1);
        for (int i = 0; i < kToolbarCount; ++i) {
            EXPECT_FALSE(bandTable[i].breakBefore);
            EXPECT_TRUE(RecordedWhereItIs(i)) << i;
        }
    }
}

// Usable records give the order and the rows, and what the program records
// of an arrangement brings it back next time, until "Default Windows Size
// and Position" puts the toolbars back in one row in table order.
TEST_F(Toolbars, UsableRecordsGiveOrderAndRowsUntilTheDefault) {
    const int h = RecordHeight();
    // Row 1: Sun Times, Help; row 2: File, Display.
    CreateWithRecords({{10, 60, 256, 60 + h},
                       {300, 10, 342, 10 + h},
                       {10, 10, 112, 10 + h},
                       {300, 60, 454, 60 + h}});
    RECT recorded[kToolbarCount];
    std::copy(recordedToolbarRects, recordedToolbarRects + kToolbarCount, recorded);
    CreateWithRecords(recorded);
    std::vector<bool> breaks;
    EXPECT_EQ(BandIds(&breaks), (Ids{9403, 9402, 9401, 9404}));
    EXPECT_EQ(breaks, (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(RowCount(), 2);

    DefaultBands(bandTable);
    breaks.clear();
    EXPECT_EQ(BandIds(&breaks), kTableOrder);
    EXPECT_EQ(breaks, std::vector<bool>(kToolbarCount, false));
    EXPECT_EQ(RowCount(), 1);
    EXPECT_TRUE(RecordedWhereItIs(kDisplayToolbar));
}

} // namespace
