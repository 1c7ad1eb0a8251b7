// The update check against a real HTTP server on 127.0.0.1: which releases
// it offers, what it downloads and where, how the menu item and toolbar
// button change, and how it ends when pages, setups or the server fail, or
// when the program closes.
#include "services/update_check.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <utility>

#include "app/program_process.h"
#include "resources/resource_ids.h"
#include "support/http_test_server.h"
#include "support/test_files.h"
#include "ui/ui_test_window.h"
#include "ui/win32_toolbars.h"

namespace {

using httptest::Answer;
using httptest::HttpTestServer;

const char kHomePage[] = "<html><body>\n<p>Zelmora</p>\n<a href=\"releases/\">"
                         "Update_Directory_V=releases/</a>\n</body></html>\n";

// The headers of a Windows program, padded to `size` bytes.
std::string SetupProgram(size_t size = 4096) {
    std::string bytes(size, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    bytes[60] = static_cast<char>(128);
    bytes.replace(128, 4, "PE\0\0", 4);
    return bytes;
}

std::string ReleasePage(const std::string& names) {
    return "<html><body>\n<ul>\n" + names + "\n</ul>\n</body></html>\n";
}

class UpdateCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = uitest::CreateTestWindow(400, 100);
        menu = CreateMenu();
        AppendMenuW(menu, MF_STRING, IDM_WEB_SITE, L"&View Zelmora Web Site");
        TBBUTTON button{11,
                        IDM_WEB_SITE,
                        0,
                        BTNS_BUTTON,
                        {},
                        0,
                        reinterpret_cast<INT_PTR>(L"View Zelmora Web Site")};
        const UINT bitmaps[] = {IDB_FILE_TOOLS, 0};
        toolbar = CreateToolbar(window, bitmaps, 1, &button);
        programDir = folder.Path(L"");
        if (programDir.back() != L'\\') programDir += L'\\';
        server.Serve("/", kHomePage);
    }
    void TearDown() override {
        closing = 1;
        Finish(5000);
        DestroyMenu(menu);
        DestroyWindow(window);
        uitest::DrainMessages();
    }
    // A download that stalls for a second fails.
    void Start() {
        const std::wstring site = server.Site();
        UpdateCheckSetup setup{site.c_str(), programDir.c_str(), L"Zelmora", L"V", {2, 66}, menu,
                               toolbar,      &closing,           1000};
        ASSERT_TRUE(StartUpdateCheck(setup));
    }
    // Waits for the thread, handling this thread's messages (the toolbar's).
    // The milliseconds it took, or -1 when it did not end in time.
    int Finish(int limit) {
        const DWORD start = GetTickCount();
        while (UpdateCheckRunning()) {
            if (static_cast<int>(GetTickCount() - start) > limit) return -1;
            uitest::DrainMessages();
            Sleep(10);
        }
        return static_cast<int>(GetTickCount() - start);
    }
    bool MenuChecked() {
        return (GetMenuState(menu, IDM_WEB_SITE, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    // The menu item's text and the button's.
    std::pair<std::wstring, std::wstring> Texts() {
        wchar_t item[300] = L"", button[300] = L"";
        GetMenuStringW(menu, IDM_WEB_SITE, item, 300, MF_BYCOMMAND);
        SendMessageW(toolbar, TB_GETBUTTONTEXTW, IDM_WEB_SITE, reinterpret_cast<LPARAM>(button));
        return {item, button};
    }
    // 11: the web site's picture; 12: the install picture.
    int ButtonImage() {
        TBBUTTONINFOW info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_IMAGE;
        SendMessageW(toolbar, TB_GETBUTTONINFOW, IDM_WEB_SITE, reinterpret_cast<LPARAM>(&info));
        return info.iImage;
    }
    // Files the check left in the program's folder.
    int FilesLeft() {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path(L"")))
            count += entry.is_regular_file();
        return count;
    }

    ScratchFolder folder;
    std::wstring programDir;
    HttpTestServer server;
    std::atomic<int> closing{0};
    HWND window = nullptr;
    HWND toolbar = nullptr;
    HMENU menu = nullptr;
};

// Which release is newer is the portable code's; here, what the user sees of
// the outcome, and that no page, partial download or setup that is no program
// stays behind. Once offered, the item stays the install item: those rows last.
TEST_F(UpdateCheckTest, OnlyAWholeNewerSetupProgramIsOffered) {
    const std::string kSetup67 = "/releases/Zelmora_V2-67_Setup.exe";
    const struct {
        std::string names;      // what the release directory's page lists
        std::string path, body; // one answer of the site changed, if any
        Answer answer;
        bool present;           // the setup program already in the folder
        int state;              // the update state at the end
        const wchar_t* offered; // the version offered, or null
    } cases[] = {
        {"<li>Zelmora_V2-66_Setup.exe</li>", "", "", Answer::kWhole, false, kUpdateNone, nullptr},
        {"<li>Zelmora_V1-99_Setup.exe</li>", "", "", Answer::kWhole, false, kUpdateNone, nullptr},
        {"Zelmora_V2-67_Setup.exe", "/", "", Answer::kNever, false, kUpdateFailed, nullptr},
        {"Zelmora_V2-67_Setup.exe", kSetup67, SetupProgram(200000), Answer::kCutHalfWay, false,
         kUpdateFailed, nullptr},
        {"Zelmora_V2-67_Setup.exe", kSetup67, SetupProgram(), Answer::kNever, false, kUpdateFailed,
         nullptr},
        {"Zelmora_V2-67_Setup.exe", kSetup67, "<html><body>Moved</body></html>", Answer::kWhole,
         false, kUpdateFailed, nullptr},
        {"<li>Zelmora_V3-1_Setup.exe</li>", "", "", Answer::kWhole, false, kUpdateOffered, L"V3-1"},
        {"<li>Zelmora_V2-65_Setup.exe</li><li>Zelmora_V2-68_Setup.exe</li>\n"
         "<li>Zelmora_V2-67_Setup.exe</li>",
         "", "", Answer::kWhole, false, kUpdateOffered, L"V2-68"},
        {"Zelmora_V2-67_Setup.exe", "/", "  Update_Directory_V=\"releases\"\n", Answer::kWhole,
         false, kUpdateOffered, L"V2-67"},
        {"Zelmora_V2-67_Setup.exe", "", "", Answer::kWhole, true, kUpdateOffered, L"V2-67"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.names + " " + c.path + " " + c.body.substr(0, 30));
        server.Serve("/", kHomePage);
        server.Serve("/releases/", ReleasePage(c.names));
        for (const char* name : {"V2-67", "V2-68", "V3-1"})
            server.Serve(std::string("/releases/Zelmora_") + name + "_Setup.exe", SetupProgram());
        if (!c.path.empty()) server.Serve(c.path, c.body, c.answer);
        const std::wstring setup =
            c.offered != nullptr ? L"Zelmora_" + std::wstring(c.offered) + L"_Setup.exe" : L"";
        if (c.present) folder.Write(setup, SetupProgram(8192));
        const std::string setupPath = "/releases/" + Narrow(setup);
        const int requests = server.Requests(setupPath);
        Start();
        ASSERT_GE(Finish(20000), 0);
        EXPECT_EQ(CurrentUpdateState(), c.state);
        EXPECT_EQ(MenuChecked(), c.offered != nullptr);
        EXPECT_EQ(ButtonImage(), c.offered != nullptr ? 12 : 11);
        EXPECT_EQ(FilesLeft(), c.offered != nullptr ? 1 : 0);
        if (c.offered != nullptr) {
            EXPECT_EQ(folder.Read(setup), SetupProgram(c.present ? 8192 : 4096));
            EXPECT_EQ(server.Requests(setupPath) == requests, c.present);
            EXPECT_EQ(std::wstring(OfferedSetupPath()), programDir + setup);
            const std::wstring caption =
                L"&Install Zelmora Program Update: V2-66 -> " + std::wstring(c.offered);
            EXPECT_EQ(Texts(), std::make_pair(caption, caption));
            DeleteFileW((programDir + setup).c_str());
        } else {
            EXPECT_EQ(Texts().first, L"&View Zelmora Web Site");
        }
    }
}

// Zelmora.exe itself: WM_CLOSE during a slow download ends the program
// within a second, leaves no download behind, and writes its settings as at
// any exit.
TEST(UpdateCheckProgram, ClosingZelmoraDuringASlowDownloadEndsItWithinASecond) {
    ScratchFolder folder;
    std::filesystem::copy_file(ZELMORA_EXE, folder.Path(L"Zelmora.exe"));
    HttpTestServer server;
    server.Serve("/", kHomePage);
    server.Serve("/releases/", ReleasePage("Zelmora_V2-67_Setup.exe"));
    server.Serve("/releases/Zelmora_V2-67_Setup.exe", SetupProgram(400000), Answer::kSlowly);
    const std::wstring site = server.Site();
    HANDLE process = StartProgram(folder, L"UPDATESITE=" + site);
    ASSERT_NE(process, nullptr);
    EXPECT_TRUE(
        WaitFor([&] { return server.Requests("/releases/Zelmora_V2-67_Setup.exe") > 0; }, 30000));
    HWND main = WindowOfProcess(process, L"ZELMORA", nullptr);
    ASSERT_NE(main, nullptr);
    const DWORD start = GetTickCount();
    PostMessageW(main, WM_CLOSE, 0, 0);
    const DWORD ended = WaitForSingleObject(process, 10000);
    const DWORD took = GetTickCount() - start;
    if (ended != WAIT_OBJECT_0) TerminateProcess(process, 1);
    CloseHandle(process);
    EXPECT_EQ(ended, static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_LT(took, 1000u);
    EXPECT_FALSE(folder.Exists(L"Zelmora_V2-67_Setup.exe"));
    EXPECT_FALSE(folder.Exists(L"Zelmora_V2-67_Setup.exe.part"));
    EXPECT_NE(folder.Read(L"Zelmora.ini").find("UPDATESITE=" + Narrow(site)), std::string::npos);
}

} // namespace
