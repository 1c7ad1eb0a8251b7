// Printing on the default printer, which scripts/test makes a CUPS PDF queue:
// print_to_pdf.sh runs these tests, then reads the PDFs that come out. Not
// part of the ordinary run (they need the queue and leave files behind).
#include "presentation/print.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/program_info.h"
#include "presentation/sun_times_table.h"
#include "suntimes/shown_days.h"
#include "ui/win32_support.h"

namespace {

class PrintToPdf : public ShownDaysTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(CreateFonts(), 1);
        Reset();
        ComputeShownDays(40.6883, 1, 1, 12, 31);
    }
    void TearDown() override {
        EXPECT_FALSE(HasPendingError()) << PendingError().message;
        Reset();
    }
};

// The whole year as the table view holds it: the program information, a
// blank line and the table, on several pages.
TEST_F(PrintToPdf, TheTableOfAYear) {
    plotView = kViewTable;
    wchar_t info[kProgramInfoLength];
    BuildProgramInfo(info, kProgramInfoLength);
    std::vector<wchar_t> table(SunTimesTableLength(L"\r\n") + 1);
    FormatSunTimesTable(table.data(), static_cast<int>(table.size()), L"\r\n");
    const std::wstring text = std::wstring(info) + L"\r\n\r\n" + table.data();
    HWND edit =
        CreateWindowExW(0, L"EDIT", text.c_str(),
                        WS_POPUP | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_READONLY, 0,
                        0, 600, 400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(
        PrintMainDisplay(nullptr, kPrintDefaultPrinter, L"Zelmora_Table_Test", edit, false));
    DestroyWindow(edit);
}

TEST_F(PrintToPdf, ThePlotOfAYear) {
    EXPECT_TRUE(
        PrintMainDisplay(nullptr, kPrintDefaultPrinter, L"Zelmora_Plot_Test", nullptr, true));
}

} // namespace
