// The File menu's output file: Save writes it again without asking, while a
// failed save and any print forget it, so that the next Save asks again.
#include "app/file_commands.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/test_files.h"
#include "suntimes/shown_days.h"
#include "ui/ui_test_window.h"

namespace {

// Whether a "Save As Data" dialog opened; it is cancelled at once.
bool askedForAFile = false;

void CALLBACK CancelSaveDialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = uitest::FindOwnWindow(L"Save As Data");
    if (dialog == nullptr) return;
    askedForAFile = true;
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

class FileCommandsTest : public ShownDaysTest {
  protected:
    void SetUp() override {
        Reset();
        ComputeShownDays(40.6883, 1, 1, 1, 31);
    }
    // Save as the menu does it; true when the save dialog was shown.
    static bool SaveAsksForAFile() {
        askedForAFile = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, CancelSaveDialog);
        SaveResults(nullptr);
        KillTimer(nullptr, timer);
        return askedForAFile;
    }
    ScratchFolder folder;
};

TEST_F(FileCommandsTest, SaveRewritesTheFileUntilAFailureOrAPrintForgetsIt) {
    const std::wstring path = folder.Path(L"january.csv");
    ASSERT_TRUE(SaveResultsTo(path.c_str()));
    EXPECT_EQ(OutputFilePath(), path);
    const std::string times = folder.Read(L"january.csv");
    // Save writes the same file again, now with the velocities, and asks nothing.
    DataKind = kDataVelocity;
    EXPECT_FALSE(SaveAsksForAFile());
    EXPECT_NE(folder.Read(L"january.csv"), times);
    EXPECT_EQ(folder.Read(L"january.csv").rfind("Velocity", 0), 0u);

    // A print forgets the file.
    PrintResults(nullptr, kPrintDefaultPrinter);
    TakePendingError();
    EXPECT_STREQ(OutputFilePath(), L"");
    EXPECT_TRUE(SaveAsksForAFile());

    // A failed save reports the path and forgets the file.
    ASSERT_TRUE(SaveResultsTo(path.c_str()));
    EXPECT_FALSE(SaveResultsTo(folder.Path(L"missing\\a.csv").c_str()));
    EXPECT_EQ(std::wstring(TakePendingError().message),
              L"Failed Save As File: " + folder.Path(L"missing\\a.csv"));
    EXPECT_STREQ(OutputFilePath(), L"");
    EXPECT_TRUE(SaveAsksForAFile());
    EXPECT_FALSE(folder.Exists(L"missing"));
}

} // namespace
