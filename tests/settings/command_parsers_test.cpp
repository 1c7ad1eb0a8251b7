// The flag commands and the window positions with their clamping.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "settings/display_positions_section.h"
#include "settings/options_section.h"
#include "settings/screen_size.h"
#include "settings_test_state.h"
#include "support/error_log.h"

namespace {

class CommandParsersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSettingsState();
        logRequestedState = kLogOff;
    }
    void TearDown() override { SetUp(); }
};

using Parser = int (*)(const wchar_t* text, const wchar_t** rest);

// The result, what is left for the next parser and the one setting the
// parser changes (from the status bar on, the 12-hour clock, logging off).
TEST_F(CommandParsersTest, FlagCommandsSetTheirSettingAndLeaveTheRest) {
    const int on = 1, off = 0, h12 = kDateTimeFormat12, h24 = kDateTimeFormat24;
    const struct {
        Parser parse;
        const wchar_t* text;
        int result, setting;
        const wchar_t* rest;
    } cases[] = {
        {ParseOptionsCommand, L"SD", 3, on, L""},
        {ParseOptionsCommand, L"  sdo  ", 3, off, L""},
        {ParseOptionsCommand, L"SD;SDO // comment SD", 3, off, L""},
        {ParseOptionsCommand, L"EXIT SDO", 1, on, L" SDO"},
        {ParseOptionsCommand, L"SDO ; Exit ; SD", 1, off, L" ; SD"},
        {ParseOptionsCommand, L"// SDO", 3, on, L""},
        {ParseOptionsCommand, L"SD DT24", 3, on, L"DT24"},
        {ParseOptionsCommand, L"", 0, on, L""},
        {ParseDateTimeCommand, L"dt24", 3, h24, L""},
        {ParseDateTimeCommand, L"  Dt24 ; dT12 // back to AM/PM", 3, h12, L""},
        {ParseDateTimeCommand, L"DT2", 0, h12, L"DT2"},
        {ParseLogCommand, L"ELR", 3, kLogOnAndClear, L""},
        {ParseLogCommand, L"EL ; ELO // EL", 3, kLogOff, L""},
        {ParseLogCommand, L"SD", 0, kLogOff, L"SD"},
    };
    for (const auto& c : cases) {
        SetUp();
        const wchar_t* rest = nullptr;
        EXPECT_EQ(c.parse(c.text, &rest), c.result) << c.text;
        const int setting = c.parse == ParseOptionsCommand    ? statusBarOn
                            : c.parse == ParseDateTimeCommand ? dateTimeFormat
                                                              : logRequestedState;
        EXPECT_EQ(setting, c.setting) << c.text;
        EXPECT_STREQ(rest, c.rest) << c.text;
    }
}

using Corners = std::array<int, 4>;
Corners Of(const PositionRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

TEST_F(CommandParsersTest, PositionCommandsReadClampAndReport) {
    int32_t width = 0, height = 0;
    ASSERT_TRUE(VirtualScreenSize(&width, &height));
    const struct {
        const wchar_t* text;
        int result;
        int index; // the entry read
        Corners rect;
        const wchar_t* message;
    } cases[] = {
        {L"Pos0=10, 20, 300, 400", 3, 0, {10, 20, 300, 400}, L""},
        {L"POS1 = 0x10,020 , 300 400", 3, 1, {16, 16, 300, 400}, L""},
        {L"pos2=-50, 20, 900, 700", 3, 2, {0, 20, 900, 700}, L""},
        {L"Pos4=5000, 5000, 99999, 99999", 3, 4, {0, 0, width, height}, L""},
        {L"Pos5=99999999999999, 1, 300, -400", 3, 5, {0, 1, 300, height}, L""},
        {L"Pos6=1,2,300,400 ; Pos7=1,2,300,400 // more", 3, 7, {1, 2, 300, 400}, L""},
        {L"Pos", -2, 8, {0, 0, 0, 0}, L"Missing Display Position Array # Value"},
        {L"Pos8 // emptied", 3, 8, {0, 0, 0, 0}, L""},
        {L"Pos16=1,2,3,4", -2, 8, {0, 0, 0, 0}, L"Invalid Display Position Array # (0-15): 16"},
        {L"Other", 0, 8, {0, 0, 0, 0}, L""},
    };
    for (const auto& c : cases) {
        ResetPositions();
        const wchar_t* rest = nullptr;
        EXPECT_EQ(ParsePositionCommand(c.text, &rest), c.result) << c.text;
        EXPECT_EQ(Of(windowPositions[c.index]), c.rect) << c.text;
        EXPECT_EQ(std::wstring(TakePendingError().message), c.message) << c.text;
    }
    // A left or top edge within 100 pixels of the far side is pulled back.
    PositionRect nearEdge{1850, 1000, 2500, -5}, atEdge{1819, 979, 1919, 1079};
    ClampToScreen(&nearEdge, 1920, 1080);
    ClampToScreen(&atEdge, 1920, 1080);
    EXPECT_EQ(Of(nearEdge), (Corners{0, 0, 1920, 1080}));
    EXPECT_EQ(Of(atEdge), (Corners{1819, 979, 1919, 1079}));
}

TEST_F(CommandParsersTest, RememberedRectanglesKeepTheirSizeOffTheScreenEdges) {
    cascadeOffset = 0;
    EXPECT_EQ(Of(RememberedRect(-30, -10, 670, 540)), (Corners{0, 0, 700, 550}));
    cascadeOffset = 25; // a second running copy stores positions as the first would
    EXPECT_EQ(Of(RememberedRect(125, 125, 825, 675)), (Corners{100, 100, 800, 650}));
    cascadeOffset = 0;
}

} // namespace
