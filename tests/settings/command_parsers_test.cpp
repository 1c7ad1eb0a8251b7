// The [OPTIONS] and [DISPLAY_POSITIONS] command parsers.
#include <gtest/gtest.h>

#include <string>

#include "settings/display_positions_section.h"
#include "settings/options_section.h"
#include "settings/screen_size.h"
#include "settings_test_state.h"

namespace {

class CommandParsersTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetSettingsState(); }
    void TearDown() override { ResetSettingsState(); }
};

struct OptionsCase {
    const wchar_t* text;
    int result;
    int statusBar; // statusBarOn afterwards, from 1
    const wchar_t* rest;
};

TEST_F(CommandParsersTest, OptionsCommands) {
    const OptionsCase cases[] = {
        {L"SD", 3, 1, L""},           {L"  sdo  ", 3, 0, L""}, {L"SD;SDO // comment SD", 3, 0, L""},
        {L"EXIT SDO", 1, 1, L" SDO"}, {L"quit", 1, 1, L""},    {L"SDO ; Exit ; SD", 1, 0, L" ; SD"},
        {L"// SDO", 3, 1, L""},       {L";", 3, 1, L""},       {L"SD DT24", 3, 1, L"DT24"},
        {L"DT24", 0, 1, L"DT24"},     {L"", 0, 1, L""},
    };
    for (const OptionsCase& c : cases) {
        statusBarOn = 1;
        const wchar_t* rest = nullptr;
        EXPECT_EQ(ParseOptionsCommand(c.text, &rest), c.result) << c.text;
        EXPECT_EQ(statusBarOn, c.statusBar) << c.text;
        EXPECT_STREQ(rest, c.rest) << c.text;
    }
}

struct PositionCase {
    const wchar_t* text;
    int result;
    int index; // the entry read
    PositionRect rect;
    const wchar_t* message;
};

TEST_F(CommandParsersTest, PositionCommandsReadClampAndReport) {
    int32_t width = 0, height = 0;
    ASSERT_TRUE(VirtualScreenSize(&width, &height));
    const PositionCase cases[] = {
        {L"Pos0=10, 20, 300, 400", 3, 0, {10, 20, 300, 400}, L""},
        {L"POS1 = 0x10,020 , 300 400", 3, 1, {16, 16, 300, 400}, L""},
        {L"pos2=-50, 20, 900, 700", 3, 2, {0, 20, 900, 700}, L""},
        {L"Pos3=10, 20", 3, 3, {10, 20, 0, 0}, L""},
        {L"Pos4=5000, 5000, 99999, 99999", 3, 4, {0, 0, width, height}, L""},
        {L"Pos5=99999999999999, 1, 300, -400", 3, 5, {0, 1, 300, height}, L""},
        {L"Pos6=1,2,300,400 ; Pos7=1,2,300,400 // more", 3, 7, {1, 2, 300, 400}, L""},
        {L"Pos", -2, 8, {0, 0, 0, 0}, L"Missing Display Position Array # Value"},
        {L"Pos8 // emptied", 3, 8, {0, 0, 0, 0}, L""},
        {L"Pos=x", -2, 8, {0, 0, 0, 0}, L"Missing Display Position Array # Value"},
        {L"Pos16=1,2,3,4", -2, 8, {0, 0, 0, 0}, L"Invalid Display Position Array # (0-15): 16"},
        {L"Pos-1=1,2,3,4", -2, 8, {0, 0, 0, 0}, L"Invalid Display Position Array # (0-15): -1"},
        {L"Other", 0, 8, {0, 0, 0, 0}, L""},
    };
    for (const PositionCase& c : cases) {
        ResetPositions();
        const wchar_t* rest = nullptr;
        EXPECT_EQ(ParsePositionCommand(c.text, &rest), c.result) << c.text;
        const PositionRect& entry = windowPositions[c.index];
        EXPECT_EQ(entry.left, c.rect.left) << c.text;
        EXPECT_EQ(entry.top, c.rect.top) << c.text;
        EXPECT_EQ(entry.right, c.rect.right) << c.text;
        EXPECT_EQ(entry.bottom, c.rect.bottom) << c.text;
        EXPECT_EQ(std::wstring(TakePendingError().message), c.message) << c.text;
    }
}

} // namespace
