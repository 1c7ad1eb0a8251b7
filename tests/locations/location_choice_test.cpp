// The rules of picking a place: what the location dialog remembers between
// openings and what it hands back, driven as the dialog drives them.
#include "locations/location_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "locations/location_table.h"
#include "locations/table_walk.h"

namespace {

// An opening as the dialog does it: every header recorded, the result shown.
void Open() {
    BeginLocationChoice();
    for (int row = 0; KindOfLocationRow(kLocationTable[row]) != kLocationEnd; ++row)
        if (KindOfLocationRow(kLocationTable[row]) == kLocationHeader) RecordCategoryRow(row);
    ShowRememberedLocation();
    locationChoice.ready = true;
}

enum Action { kPick, kCategory, kCancel, kReopen };
struct Step {
    Action action;
    int value; // a row, or a category's position
};

struct Case {
    const char* what;
    std::vector<Step> steps;
    int resultRow;     // the row whose coordinates are the result; -1 for "no change"
    int rememberedRow; // where the location list reopens
    int listRow;       // where the last category moved the location list; -1 when none did
};

const int kTokyo = FindPlace(L"Japan, Tokyo");
const int kAbilene = FindPlace(L"[ABI] Abilene, TX");
const int kBlank = ReadCategories().at(1).headerRow - 1;
const int kTexasCategory = FindCategory(L"Texas Airport Cities");
const int kTexas = ReadCategories().at(kTexasCategory).headerRow;
const int kEnd = kLocationRowCount - 1;

TEST(LocationChoice, PicksRememberAndOnlyPlacesBecomeTheResult) {
    ASSERT_GE(kTokyo, 0);
    ASSERT_GE(kAbilene, 0);
    const Case cases[] = {
        {"first opening: the first place", {}, 1, 1, -1},
        {"a place", {{kPick, kTokyo}}, kTokyo, kTokyo, -1},
        {"a header keeps the place", {{kPick, kTokyo}, {kPick, 0}}, kTokyo, 0, -1},
        {"a blank keeps the place", {{kPick, kTokyo}, {kPick, kBlank}}, kTokyo, kBlank, -1},
        {"the end row keeps the place", {{kPick, kTokyo}, {kPick, kEnd}}, kTokyo, kEnd, -1},
        {"a row beyond the table", {{kPick, kTokyo}, {kPick, kEnd + 5}}, kTokyo, kEnd + 5, -1},
        {"a category moves only the list",
         {{kPick, kTokyo}, {kCategory, kTexasCategory}},
         kTokyo,
         kTokyo,
         kTexas},
        {"then a place under it",
         {{kCategory, kTexasCategory}, {kPick, kTexas + 1}},
         kAbilene,
         kAbilene,
         kTexas},
        {"a category past the headers", {{kCategory, 55}}, 1, 1, -1},
        {"cancel", {{kPick, kTokyo}, {kCancel, 0}}, -1, kTokyo, -1},
        {"reopening at the place", {{kPick, kTokyo}, {kReopen, 0}}, kTokyo, kTokyo, -1},
        {"reopening at a header", {{kPick, kTokyo}, {kPick, 0}, {kReopen, 0}}, -1, 0, -1},
        {"reopening after cancel",
         {{kPick, kTokyo}, {kCancel, 0}, {kReopen, 0}},
         kTokyo,
         kTokyo,
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetLocationChoice();
        Open();
        int listRow = -1;
        for (const Step& step : c.steps) {
            if (step.action == kPick) PickLocationRow(step.value);
            if (step.action == kCategory) listRow = PickCategory(step.value);
            if (step.action == kCancel) CancelLocationChoice();
            if (step.action == kReopen) Open();
        }
        EXPECT_EQ(locationChoice.locationIndex, c.rememberedRow);
        EXPECT_EQ(listRow, c.listRow);
        double latitude = 12.5, longitude = -7.25;
        const bool taken = TakeChosenLocation(&latitude, &longitude);
        EXPECT_EQ(taken, c.resultRow >= 0);
        EXPECT_EQ(latitude, taken ? kLocationTable[c.resultRow].latitude : 12.5);
        EXPECT_EQ(longitude, taken ? kLocationTable[c.resultRow].longitude : -7.25);
    }
    ResetLocationChoice();
}

TEST(LocationChoice, ACategoryIsRememberedEvenWhereItLeadsNowhere) {
    for (int category : {0, kTexasCategory, 54, 55, 300, -1}) {
        ResetLocationChoice();
        Open();
        PickCategory(category);
        EXPECT_EQ(locationChoice.categoryIndex, category);
    }
    ResetLocationChoice();
}

// Room for 199 header rows; the list ends in -1 however many are met.
TEST(LocationChoice, HeaderRowsAreRecordedWhileThereIsRoom) {
    for (int met : {0, 1, 55, 198, 199, 250}) {
        SCOPED_TRACE(met);
        BeginLocationChoice();
        for (int i = 0; i < met; ++i)
            RecordCategoryRow(10 * i);
        const int kept = met < kCategoryRowSlots ? met : kCategoryRowSlots;
        EXPECT_EQ(locationChoice.categoryCount, kept);
        EXPECT_EQ(locationChoice.categoryRows[kept], -1);
        EXPECT_EQ(PickCategory(kept - 1), kept > 0 ? 10 * (kept - 1) : -1);
        EXPECT_EQ(PickCategory(kept), -1);
    }
    ResetLocationChoice();
}

} // namespace
