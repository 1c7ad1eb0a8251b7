#include "ui/win32_support.h"

#include <gtest/gtest.h>

#include <string>

#include "ui_test_window.h"

namespace {

struct FontFacts {
    LOGFONTW asked;
    std::wstring face; // as the device context reports it
    bool fixedPitch;
};

FontFacts FactsOf(HFONT font) {
    FontFacts facts;
    GetObjectW(font, sizeof facts.asked, &facts.asked);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = L"";
    GetTextFaceW(dc, LF_FACESIZE, face);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    DeleteDC(dc);
    facts.face = face;
    facts.fixedPitch = (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0; // the bit means variable
    return facts;
}

TEST(Fonts, FiveFontsAndTheWaitCursor) {
    ASSERT_EQ(CreateFonts(), 1);
    struct Expected {
        HFONT font;
        const wchar_t* face;
        int height, width, weight;
    } const expected[] = {
        {helpHandoverFont, L"Times New Roman", 16, 8, FW_NORMAL},
        {statusBarFont, L"Segoe UI", 16, 6, FW_NORMAL},
        {tableFont, L"Courier New", 16, 12, FW_BOLD},
        {smallFixedFont, L"Courier New", 12, 7, FW_NORMAL},
        {plotLabelFont, L"Segoe UI", 12, 8, FW_BOLD},
    };
    for (const Expected& e : expected) {
        ASSERT_NE(e.font, nullptr) << e.face;
        const FontFacts facts = FactsOf(e.font);
        EXPECT_STREQ(facts.asked.lfFaceName, e.face);
        EXPECT_EQ(facts.asked.lfHeight, e.height) << e.face;
        EXPECT_EQ(facts.asked.lfWidth, e.width) << e.face;
        EXPECT_EQ(facts.asked.lfWeight, e.weight) << e.face;
        EXPECT_EQ(facts.asked.lfPitchAndFamily, FIXED_PITCH | FF_MODERN) << e.face;
        // The system may stand another face in for the asked one, but never none.
        EXPECT_FALSE(facts.face.empty()) << e.face;
        if (std::wstring(e.face) == L"Courier New") {
            EXPECT_TRUE(facts.fixedPitch);
        }
    }
    EXPECT_EQ(waitCursor, LoadCursorW(nullptr, IDC_WAIT));
    // Created once: a second call keeps the same handles.
    HFONT table = tableFont;
    EXPECT_EQ(CreateFonts(), 1);
    EXPECT_EQ(tableFont, table);
}

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

TEST_F(Pump, DispatchesUpToTheCountAndStopsWhenEmpty) {
    for (int i = 0; i < 3; ++i)
        PostMessageW(window, WM_USER, 0, 0);
    EXPECT_EQ(PumpMessages(2), 2);
    EXPECT_EQ(uitest::windowLog.userMessages, 2);
    EXPECT_EQ(PumpMessages(10), 1);
    EXPECT_EQ(uitest::windowLog.userMessages, 3);
    EXPECT_EQ(PumpMessages(10), 0);
}

TEST_F(Pump, QuitMessageIsLeftForTheMainLoop) {
    PostMessageW(window, WM_USER, 0, 0);
    PostQuitMessage(7);
    EXPECT_EQ(PumpMessages(10), 1);
    EXPECT_EQ(uitest::windowLog.userMessages, 1);
    MSG message;
    // Checked without waiting first, so a lost quit fails instead of hanging.
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), 0);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
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
