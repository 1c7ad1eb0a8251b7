#include "ui/win32_cwinex.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/resource_ids.h"
#include "support/error_report.h"
#include "ui/win32_support.h"
#include "ui_test_window.h"

namespace {

RECT ClientRectOf(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SIZE TextSize(HFONT font, const wchar_t* text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size;
}

PositionCodeValue Plain(int value) {
    return static_cast<PositionCodeValue>(value);
}

ControlEntry Entry(const wchar_t* className, const wchar_t* text, int id, PositionCodeValue x,
                   PositionCodeValue y, PositionCodeValue width, PositionCodeValue height,
                   DWORD style = WS_CHILD | WS_VISIBLE) {
    return {className, text, id, x, y, width, height, style, nullptr, 0, nullptr, nullptr, {}};
}

class ControlTables : public ::testing::Test {
  protected:
    HWND window = nullptr;
    COLORREF textColor = RGB(0, 0, 0);

    void SetUp() override {
        TakePendingError();
        ASSERT_EQ(CreateFonts(), 1);
        window = uitest::CreateTestWindow(400, 300);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        DestroyWindow(window);
        uitest::DrainMessages();
        TakePendingError();
    }
    ControlTable Table(ControlEntry* entries, int count) {
        return {entries, count, &tableFont, &textColor};
    }
};

TEST_F(ControlTables, TextViewFillsTheResultArea) {
    ControlEntry entries[] = {Entry(L"edit", L"", IDC_TEXT_VIEW, 0, 0, kWholeExtent, kWholeExtent,
                                    WS_CHILD | WS_VISIBLE | ES_MULTILINE)};
    ControlTable table = Table(entries, 1);
    const RECT area = {0, 31, 400, 250};
    RECT bounds = {};
    ASSERT_EQ(CreateOrPlaceControls(table, window, &area, &bounds), 1);
    HWND view = entries[0].window;
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(GetDlgItem(window, IDC_TEXT_VIEW), view);
    EXPECT_TRUE(EqualRect(&entries[0].rect, &area));
    RECT placed = ClientRectOf(view);
    EXPECT_TRUE(EqualRect(&placed, &area));
    EXPECT_TRUE(EqualRect(&bounds, &area));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(view, WM_GETFONT, 0, 0)), tableFont);

    // Laid out again in a larger area: the same control, moved.
    const RECT larger = {0, 40, 400, 300};
    ASSERT_EQ(CreateOrPlaceControls(table, window, &larger, nullptr), 1);
    EXPECT_EQ(entries[0].window, view);
    placed = ClientRectOf(view);
    EXPECT_TRUE(EqualRect(&placed, &larger));
}

TEST_F(ControlTables, PlaceAgainUsesTheParentsClientArea) {
    ControlEntry entries[] = {Entry(L"edit", L"", IDC_TEXT_VIEW, 0, 0, kWholeExtent, kWholeExtent),
                              Entry(L"static", L"idle", 7, 0, 0, kWholeExtent, Plain(0))};
    ControlTable table = Table(entries, 2);
    const RECT area = {10, 10, 100, 100};
    ASSERT_EQ(CreateOrPlaceControls(table, window, &area, nullptr), 1);
    EXPECT_EQ(entries[1].window, nullptr); // a height code of 0: never created
    RECT frame = {0, 0, 500, 350};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    PlaceControlsAgain(table, window);
    const RECT client = {0, 0, 500, 350};
    RECT placed = ClientRectOf(entries[0].window);
    EXPECT_TRUE(EqualRect(&placed, &client));
    EXPECT_EQ(entries[1].window, nullptr);
}

TEST_F(ControlTables, SizeCodeZeroDestroysTheControl) {
    ControlEntry entries[] = {Entry(L"edit", L"", IDC_TEXT_VIEW, 0, 0, kWholeExtent, kWholeExtent)};
    ControlTable table = Table(entries, 1);
    ASSERT_EQ(CreateOrPlaceControls(table, window, nullptr, nullptr), 1);
    HWND view = entries[0].window;
    ASSERT_TRUE(IsWindow(view));
    entries[0].width = 0;
    ASSERT_EQ(CreateOrPlaceControls(table, window, nullptr, nullptr), 1);
    EXPECT_EQ(entries[0].window, nullptr);
    EXPECT_FALSE(IsWindow(view));
}

TEST_F(ControlTables, EmptyAreaOrTable) {
    ControlEntry entries[] = {Entry(L"edit", L"", IDC_TEXT_VIEW, 0, 0, kWholeExtent, kWholeExtent)};
    ControlTable table = Table(entries, 1);
    const RECT area = {0, 0, 200, 100};
    ASSERT_EQ(CreateOrPlaceControls(table, window, &area, nullptr), 1);
    const RECT empty = {0, 50, 200, 50};
    EXPECT_EQ(CreateOrPlaceControls(table, window, &empty, nullptr), -1);
    EXPECT_TRUE(EqualRect(&entries[0].rect, &area));
    RECT placed = ClientRectOf(entries[0].window);
    EXPECT_TRUE(EqualRect(&placed, &area));

    ControlTable none = Table(nullptr, 0);
    RECT bounds = {1, 1, 2, 2};
    EXPECT_EQ(CreateOrPlaceControls(none, window, &area, &bounds), 1);
    EXPECT_TRUE(IsRectEmpty(&bounds));
}

TEST_F(ControlTables, LabelSizedByItsTextWithAFieldBeside) {
    HFONT labelFont = statusBarFont;
    ControlEntry entries[] = {
        Entry(L"static", L"Latitude:", 10, Plain(8), Plain(12), PositionCode(kRulePlusText, 0, 4),
              PositionCode(kRulePlusText, 0, 2)),
        Entry(L"edit", L"40.6883", 11, PositionCode(kRuleAfterPreviousEnd, 0, 6),
              PositionCode(kRuleAfterPreviousStart, 0, 0), Plain(90),
              ReferenceCode(kRefSize, -1, 0)),
        Entry(L"combobox", L"", 12, ReferenceCode(kRefStart, 0, 0), ReferenceCode(kRefEnd, 1, 5),
              ReferenceCode(kRefSizeToEnd, 1, 0), Plain(200),
              WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST),
    };
    entries[0].font = &labelFont;
    ControlTable table = Table(entries, 3);
    const RECT area = {20, 30, 400, 300};
    RECT bounds;
    ASSERT_EQ(CreateOrPlaceControls(table, window, &area, &bounds), 1);

    const SIZE label = TextSize(labelFont, L"Latitude:");
    EXPECT_EQ(entries[0].rect.left, 28);
    EXPECT_EQ(entries[0].rect.top, 42);
    EXPECT_EQ(entries[0].rect.right - entries[0].rect.left, label.cx + 4);
    EXPECT_EQ(entries[0].rect.bottom - entries[0].rect.top, label.cy + 2);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(entries[0].window, WM_GETFONT, 0, 0)),
              labelFont);

    EXPECT_EQ(entries[1].rect.left, entries[0].rect.right + 6);
    EXPECT_EQ(entries[1].rect.top, entries[0].rect.top);
    EXPECT_EQ(entries[1].rect.bottom, entries[0].rect.bottom);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(entries[1].window, WM_GETFONT, 0, 0)),
              tableFont);

    // The combo box spans both, below them, one line of its font high.
    EXPECT_EQ(entries[2].rect.left, entries[0].rect.left);
    EXPECT_EQ(entries[2].rect.right, entries[1].rect.right);
    EXPECT_EQ(entries[2].rect.top, entries[1].rect.bottom + 5);
    EXPECT_EQ(entries[2].rect.bottom - entries[2].rect.top, TextSize(tableFont, L"X").cy + 6);

    EXPECT_EQ(bounds.left, entries[0].rect.left);
    EXPECT_EQ(bounds.top, entries[0].rect.top);
    EXPECT_EQ(bounds.right, entries[1].rect.right);
    EXPECT_EQ(bounds.bottom, entries[2].rect.bottom);
    EXPECT_EQ(lastPlacedControl.left, entries[2].rect.left);
}

TEST_F(ControlTables, FailedCreationIsReportedAndTheRestPlaced) {
    ControlEntry entries[] = {
        Entry(L"ZelmoraNoSuchClass", L"", 20, 0, 0, Plain(10), Plain(10)),
        Entry(L"button", L"OK", 21, Plain(50), 0, Plain(60), Plain(24)),
    };
    ControlTable table = Table(entries, 2);
    EXPECT_EQ(CreateOrPlaceControls(table, window, nullptr, nullptr), 0);
    EXPECT_EQ(entries[0].window, nullptr);
    EXPECT_NE(entries[1].window, nullptr);
    ASSERT_TRUE(HasPendingError());
    EXPECT_NE(std::wstring(TakePendingError().message).find(L"ZelmoraNoSuchClass"),
              std::wstring::npos);
}

} // namespace
