// The message pump that long computations run between their steps.
#include "ui/win32_support.h"

#include <gtest/gtest.h>

#include "ui_test_window.h"

namespace {

class Pump : public ::testing::Test {
  protected:
    HWND window = nullptr;
    void SetUp() override {
        uitest::DrainMessages();
        window = uitest::CreateTestWindow(200, 100);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        SetPumpTarget(nullptr, nullptr);
        DestroyWindow(window);
        uitest::DrainMessages();
    }
};

// A WM_QUIT taken from under the main loop is posted again, or the program
// would run on without its window.
TEST_F(Pump, DispatchesUpToTheCountAndLeavesTheQuitForTheMainLoop) {
    for (int i = 0; i < 3; ++i)
        PostMessageW(window, WM_USER, 0, 0);
    EXPECT_EQ(PumpMessages(2), 2);
    EXPECT_EQ(uitest::windowLog.userMessages, 2);
    PostQuitMessage(7);
    EXPECT_EQ(PumpMessages(10), 1);
    EXPECT_EQ(PumpMessages(10), 0);
    EXPECT_EQ(uitest::windowLog.userMessages, 3);
    MSG message;
    // Checked without waiting first, so a lost quit fails instead of hanging.
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), 0);
    EXPECT_EQ(message.wParam, 7u);
}

TEST_F(Pump, TranslatesTheMainWindowsAccelerators) {
    ACCEL key = {FVIRTKEY, VK_F7, 4242};
    HACCEL table = CreateAcceleratorTableW(&key, 1);
    PostMessageW(window, WM_KEYDOWN, VK_F7, 0);
    PumpMessages(5);
    EXPECT_TRUE(uitest::windowLog.commands.empty());
    EXPECT_EQ(uitest::windowLog.keyDowns, 1);

    SetPumpTarget(window, table);
    PostMessageW(window, WM_KEYDOWN, VK_F7, 0);
    PumpMessages(5);
    ASSERT_EQ(uitest::windowLog.commands.size(), 1u);
    EXPECT_EQ(uitest::windowLog.commands[0], 4242);
    EXPECT_EQ(uitest::windowLog.keyDowns, 1); // taken by the accelerator
    DestroyAcceleratorTable(table);
}

} // namespace
