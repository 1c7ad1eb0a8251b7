// The "Internet Test Setup" dialog driven as a user drives it: typed
// addresses and times take effect at once, the check boxes follow each
// other, the example button loads both examples in turn, and Esc and the
// close box end the dialog keeping what was changed (there is no Cancel).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "resources/resource_ids.h"
#include "services/internet_setup_dialog.h"
#include "services/internet_test.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "ui/ui_test_window.h"

namespace {

const wchar_t kTitle[] =
    L"Internet Test Setup: Set URLs, Enables, Times and Reset Internet Connection Protocol";

// Runs the dialog on this thread while `user` acts on it from another one.
void RunWithUser(const std::function<void(HWND)>& user) {
    std::thread acting([&] {
        HWND dialog = nullptr;
        // Shown once its controls are filled.
        for (int i = 0; i < 500 && dialog == nullptr; ++i) {
            dialog = uitest::FindOwnWindow(kTitle);
            if (dialog != nullptr && !IsWindowVisible(dialog)) dialog = nullptr;
            if (dialog == nullptr) Sleep(10);
        }
        ASSERT_NE(dialog, nullptr);
        user(dialog);
    });
    RunInternetSetupDialog(nullptr);
    acting.join();
}

class InternetSetupDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ApplyInternetDefaults();
        CopyText(internetSettings.resetProgram, kInternetTextLength, L"");
        CopyText(internetSettings.resetCommandLine, kInternetTextLength, L"");
        CopyText(internetSettings.resetKeystrokes, kInternetTextLength, L"");
    }
    void TearDown() override {
        SwitchTestOff();
        ApplyInternetDefaults();
        TakePendingError();
    }
};

TEST_F(InternetSetupDialogTest, ChangesTakeEffectAndEscKeepsThem) {
    wchar_t label[64] = L"";
    RunWithUser([&](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_NET_URL3, L"http://127.0.0.1:9/three");
        SetDlgItemTextW(dialog, IDC_NET_INTERVAL, L"45");
        SetDlgItemTextW(dialog, IDC_NET_DOWN_TIME, L"7");
        SendDlgItemMessageW(dialog, IDC_NET_DOWN_TEST, BM_CLICK, 0, 0);
        SendDlgItemMessageW(dialog, IDC_NET_EXAMPLE, BM_CLICK, 0, 0);
        GetDlgItemTextW(dialog, IDC_NET_EXAMPLE, label, 64);
        SetDlgItemTextW(dialog, IDC_NET_KEYSTROKES, L"root \"the word\" reboot");
        // Esc in an edit field, as the keyboard sends it.
        HWND edit = GetDlgItem(dialog, IDC_NET_URL1);
        PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_STREQ(internetSettings.addresses[2], L"http://127.0.0.1:9/three");
    EXPECT_EQ(internetSettings.intervalMs, 45000);
    EXPECT_EQ(internetSettings.downTimeMs, 7 * 60000);
    EXPECT_TRUE(internetSettings.testEnabled);
    EXPECT_TRUE(internetSettings.downTestEnabled);
    EXPECT_STREQ(label, L"Reset Protocol Example: 2");
    EXPECT_STRNE(internetSettings.resetProgram, L"");
    EXPECT_STRNE(internetSettings.resetCommandLine, L"");
    EXPECT_STREQ(internetSettings.resetKeystrokes, L"root \"the word\" reboot");

    // Example 2 has no keystrokes; the test check box off takes the down
    // test with it; the close box ends the dialog.
    RunWithUser([&](HWND dialog) {
        SendDlgItemMessageW(dialog, IDC_NET_EXAMPLE, BM_CLICK, 0, 0);
        GetDlgItemTextW(dialog, IDC_NET_EXAMPLE, label, 64);
        SendDlgItemMessageW(dialog, IDC_NET_TEST, BM_CLICK, 0, 0);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_NET_DOWN_TEST), static_cast<UINT>(BST_UNCHECKED));
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_STREQ(label, L"Reset Protocol Example: 1");
    EXPECT_STREQ(internetSettings.resetKeystrokes, L"");
    EXPECT_FALSE(internetSettings.testEnabled);
    EXPECT_FALSE(internetSettings.downTestEnabled);
}

} // namespace
