// The help window, created in this process as the Help menu creates it:
// opening at each Help menu item's topic, searching from the search box, the find-again
// rule, the search box's keys and history, and the Search History dialog.
#include "services/help_window.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/help_commands.h"

#include "resources/resource_ids.h"
#include "services/help_text.h"
#include "services/search_history.h"
#include "support/error_report.h"
#include "support/test_files.h"
#include "ui/ui_test_window.h"
#include "ui/win32_support.h"

namespace {

using uitest::DrainMessages;

class HelpWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        CreateFonts();
        BuildHelpText(L"        *** Program Information ***\r\n\r\nProgram Name: Zelmora");
    }
    void SetUp() override {
        ClearSearchHistory();
        TakePendingError();
        owner = uitest::CreateTestWindow(300, 200);
        help = ShowHelpWindow(owner, nullptr);
        ASSERT_NE(help, nullptr) << "the help window could not be created (is DISPLAY set?)";
        DrainMessages();
    }
    void TearDown() override {
        if (HelpWindow() != nullptr) DestroyWindow(HelpWindow());
        DestroyWindow(owner);
        DrainMessages();
        ClearSearchHistory();
    }
    HWND Text() const { return GetDlgItem(help, IDC_HELP_TEXT); }
    HWND Box() const { return GetDlgItem(help, IDC_HELP_SEARCH); }
    HWND BoxEdit() const {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(Box(), &info);
        return info.hwndItem;
    }
    int FirstVisibleLine() const {
        return static_cast<int>(SendMessageW(Text(), EM_GETFIRSTVISIBLELINE, 0, 0));
    }
    // The selected text, and where it starts.
    std::wstring Selected(DWORD* at = nullptr) const {
        DWORD start = 0, end = 0;
        SendMessageW(Text(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
        std::wstring text(GetWindowTextLengthW(Text()) + 1, L'\0');
        GetWindowTextW(Text(), &text[0], static_cast<int>(text.size()));
        if (at != nullptr) *at = start;
        return text.substr(start, end - start);
    }
    DWORD SelectionStart() const {
        DWORD start = 0;
        Selected(&start);
        return start;
    }
    void Click(int id) { SendMessageW(help, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void Type(const wchar_t* text) {
        SetFocus(BoxEdit());
        SendMessageW(Box(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        for (const wchar_t* c = text; *c != L'\0'; ++c)
            SendMessageW(BoxEdit(), WM_CHAR, *c, 0);
        DrainMessages();
    }
    std::wstring BoxText() const {
        wchar_t text[256] = L"";
        GetWindowTextW(Box(), text, 256);
        return text;
    }

    HWND owner = nullptr;
    HWND help = nullptr;
};

// Each Help menu item opens its own topic with its heading as the top line,
// selected; headings do not enter the search history. No block carries the
// "INI File" heading: the window stays where it was.
TEST_F(HelpWindowTest, EveryHelpItemOpensAtItsTopicsHeading) {
    std::set<std::wstring> opened;
    for (int command : {IDM_HELP_MAIN_DISPLAY, IDM_HELP_HELP_DISPLAY, IDM_HELP_FILE_MENU,
                        IDM_HELP_OPTIONS_MENU, IDM_HELP_SUNTIMES_MENU, IDM_HELP_INTERNET,
                        IDM_HELP_COMMAND_LINE, IDM_HELP_TAGGED_FILE, IDM_HELP_TAGGED_COMMANDS}) {
        EXPECT_TRUE(ShowHelpForCommand(owner, command));
        EXPECT_EQ(HelpWindow(), help);
        EXPECT_EQ(SendMessageW(Text(), EM_LINEFROMCHAR, SelectionStart(), 0), FirstVisibleLine());
        opened.insert(Selected());
    }
    EXPECT_EQ(opened.size(), 9u);
    for (int topic = 0; topic < kHelpTopicCount; ++topic)
        opened.erase(kHelpTopicHeadings[topic]);
    EXPECT_TRUE(opened.empty()) << "not a heading";
    EXPECT_EQ(SearchHistoryCount(), 0);
    const int first = FirstVisibleLine();
    const DWORD selection = SelectionStart();
    EXPECT_TRUE(ShowHelpForCommand(owner, IDM_HELP_INI_FILE));
    EXPECT_EQ(FirstVisibleLine(), first);
    EXPECT_EQ(SelectionStart(), selection);
    EXPECT_FALSE(ShowHelpForCommand(owner, IDM_ABOUT));
}

// Find Next and Find Previous move through the matches (the rule itself is
// the portable search's); typing the text anew makes the match at the caret
// count again; Enter finds without closing the window; every text searched
// for enters the box's list, which the arrow keys walk.
TEST_F(HelpWindowTest, TheSearchBoxFindsAndWalksItsHistory) {
    Type(L"sun");
    Click(IDC_HELP_FIND_NEXT);
    const DWORD first = SelectionStart();
    EXPECT_EQ(_wcsicmp(Selected().c_str(), L"SUN"), 0);
    Click(IDC_HELP_FIND_NEXT);
    EXPECT_GT(SelectionStart(), first);
    Click(IDC_HELP_FIND_PREVIOUS);
    EXPECT_EQ(SelectionStart(), first);
    Type(L"SUN");
    Click(IDC_HELP_FIND_NEXT);
    EXPECT_EQ(SelectionStart(), first);
    for (const wchar_t* text : {L"dawn", L"TIMEZONE"}) {
        Type(text);
        SendMessageW(BoxEdit(), WM_KEYDOWN, VK_RETURN, 0);
        SendMessageW(BoxEdit(), WM_CHAR, L'\r', 0);
        EXPECT_EQ(_wcsicmp(Selected().c_str(), text), 0) << text;
        EXPECT_NE(HelpWindow(), nullptr); // Enter is not the dialog's OK
    }
    EXPECT_EQ(SendMessageW(Box(), CB_GETCOUNT, 0, 0), SearchHistoryCount());
    const std::pair<WPARAM, const wchar_t*> keys[] = {
        {VK_UP, L"dawn"}, {VK_DOWN, L"TIMEZONE"}, {VK_DOWN, L"TIMEZONE"}};
    for (const auto& [key, shown] : keys) {
        SendMessageW(BoxEdit(), WM_KEYDOWN, key, 0);
        EXPECT_EQ(BoxText(), shown);
    }
}

TEST_F(HelpWindowTest, SaveAsWritesTheWholeTextWithItsLineEnds) {
    ScratchFolder folder;
    ASSERT_TRUE(SaveHelpTextTo(folder.Path(L"help.txt").c_str()));
    EXPECT_EQ(folder.Read(L"help.txt").size(), static_cast<size_t>(GetWindowTextLengthW(Text())));
    EXPECT_FALSE(SaveHelpTextTo(folder.Path(L"no folder\\help.txt").c_str()));
    EXPECT_TRUE(HasPendingError());
    TakePendingError();
}

// The Search History dialog is modal: a timer of this thread drives it
// from inside its own message loop.
struct DialogScript {
    std::vector<int> select; // rows to select before pressing the button
    int button;
    int listCountAfter;
};
DialogScript script;
int listCountSeen = -1;

void CALLBACK DriveHistoryDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = uitest::FindOwnWindow(L"Search History");
    if (dialog == nullptr) return;
    KillTimer(nullptr, timer);
    HWND list = GetDlgItem(dialog, IDC_HISTORY_LIST);
    for (int row : script.select)
        SendMessageW(list, LB_SETSEL, TRUE, row);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_HISTORY_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    const bool copyEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_HISTORY_COPY)) != 0;
    const bool deleteEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_HISTORY_DELETE)) != 0;
    EXPECT_EQ(copyEnabled, script.select.size() == 1);
    EXPECT_EQ(deleteEnabled, !script.select.empty());
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(script.button, BN_CLICKED), 0);
    listCountSeen = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_HISTORY_DONE, BN_CLICKED), 0);
}

TEST_F(HelpWindowTest, TheSearchHistoryDialogCopiesAndDeletes) {
    for (const wchar_t* text : {L"one", L"two", L"three", L"four"})
        AddSearchText(text);
    const struct {
        DialogScript script;
        std::vector<std::wstring> history;
        const wchar_t* box;
    } cases[] = {
        {{{1}, IDC_HISTORY_COPY, 4}, {L"one", L"two", L"three", L"four"}, L"two"},
        {{{0, 2, 3}, IDC_HISTORY_DELETE, 1}, {L"two"}, L"two"},
    };
    for (const auto& c : cases) {
        script = c.script;
        listCountSeen = -1;
        SetTimer(nullptr, 0, 50, DriveHistoryDialog);
        Click(IDM_HELP_HISTORY);
        EXPECT_EQ(listCountSeen, c.script.listCountAfter);
        std::vector<std::wstring> history;
        for (int i = 0; i < SearchHistoryCount(); ++i)
            history.push_back(SearchHistoryEntry(i));
        EXPECT_EQ(history, c.history);
        EXPECT_EQ(BoxText(), c.box);
        EXPECT_EQ(CurrentSearchEntry(), SearchHistoryCount() - 1);
    }
}

} // namespace
