// The update check: versions, the release directory and whether it stays on
// the site, the page's key line, Windows programs, and UPDATESITE.
#include "services/update_release.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cwchar>
#include <string>

#include "services/executable_check.h"
#include "services/update_site.h"
#include "services/update_page.h"
#include "settings/command_runner.h"
#include "settings/options_section.h"
#include "settings/settings_file.h"
#include "settings/settings_test_state.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "support/test_files.h"

namespace {

TEST(UpdateRelease, ReadsVersionsAndOffersOnlyLaterReleases) {
    const struct {
        const wchar_t* text;
        bool read;
        int major, minor;
        bool newer;
    } cases[] = {
        {L"2-66_Setup.exe", true, 2, 66, false},
        {L"2-67_Setup.exe", true, 2, 67, true},
        {L"3-1\">", true, 3, 1, true},
        {L"1-99", true, 1, 99, false},
        {L"2", false, -1, -1, false},
        {L"99999999999-1", false, -1, -1, false}, // beyond 32 bits
    };
    for (const auto& c : cases) {
        ReleaseVersion version = {-1, -1};
        EXPECT_EQ(ReadReleaseVersion(c.text, &version), c.read) << c.text;
        if (!c.read) continue;
        EXPECT_EQ(version.major, c.major) << c.text;
        EXPECT_EQ(version.minor, c.minor) << c.text;
        EXPECT_EQ(IsNewerRelease(version, {2, 66}), c.newer) << c.text;
    }
}

// The token behind the key, read without reporting (the update thread never
// reports); and only a directory that stays on the update site is taken.
TEST(UpdateRelease, ReadsTheReleaseDirectoryAndKeepsItOnTheSite) {
    const struct {
        const wchar_t* text;      // behind the key
        const wchar_t* directory; // null: none
    } cases[] = {
        {L"=releases/", L"releases/"}, {L"=\"with blank/\" rest", L"with blank/"},
        {L"==releases", L"=releases"}, // only one "=" is skipped
        {L"=\"unclosed", nullptr},     {L"", nullptr},
    };
    for (const auto& c : cases) {
        wchar_t directory[kUpdateTextLength] = L"unchanged";
        EXPECT_EQ(ReadReleaseDirectory(c.text, directory, kUpdateTextLength),
                  c.directory != nullptr)
            << c.text;
        if (c.directory != nullptr) {
            EXPECT_STREQ(directory, c.directory) << c.text;
        }
    }
    const std::wstring overLong = L"=" + std::wstring(kUpdateTextLength, L'a');
    wchar_t directory[kUpdateTextLength];
    EXPECT_FALSE(ReadReleaseDirectory(overLong.c_str(), directory, kUpdateTextLength));
    EXPECT_FALSE(HasPendingError());

    EXPECT_TRUE(IsSafeReleaseDirectory(L"releases/"));
    for (const wchar_t* unsafe : {L"/releases/", L"../secret/", L"http://elsewhere.example/",
                                  L"releases\\", L"user@host/", L"rel%2e%2e/", L""})
        EXPECT_FALSE(IsSafeReleaseDirectory(unsafe)) << unsafe;
}

TEST(UpdatePage, FindsTheKeyInTheFirstLineThatHoldsIt) {
    ScratchFolder folder;
    folder.Write(L"page.htm", "<html>\r\n  <p>Zelmora_V2-67 and Zelmora_V2-68</p>\r\n"
                              "\tZelmora_V9-9\r\nno line end at the end Update_Directory_V=x/");
    const struct {
        const wchar_t* key;
        const wchar_t* found; // the line from the key on; null: none
        int closing;
    } cases[] = {
        {L"Zelmora_V", L"Zelmora_V2-67 and Zelmora_V2-68</p>", 0},
        {L"Update_Directory_V", L"Update_Directory_V=x/", 0},
        {L"zelmora_v", nullptr, 0}, // case counts
        {L"<html>", nullptr, 1},    // the closing program ends the search at once
    };
    for (const auto& c : cases) {
        FILE* page = OpenFileAt(folder.Path(L"page.htm").c_str(), "r");
        ASSERT_NE(page, nullptr);
        wchar_t line[kUpdateLineLength];
        std::atomic<int> closing{c.closing};
        EXPECT_STREQ(FindKeyInPage(page, c.key, line, &closing), c.found) << c.key;
        fclose(page);
    }
}

// The headers of a Windows program, as a linker writes them: "MZ", the
// offset of the PE header at byte 60, "PE\0\0" and a file header.
std::string ExecutableBytes(uint32_t peOffset, const char* signature) {
    std::string bytes(256, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    for (int i = 0; i < 4; ++i)
        bytes[60 + i] = static_cast<char>((peOffset >> (8 * i)) & 0xFF);
    if (peOffset + 24 <= bytes.size()) bytes.replace(peOffset, 4, signature, 4);
    return bytes;
}

TEST(ExecutableCheck, TakesOnlyFilesWithTheHeadersOfAWindowsProgram) {
    ScratchFolder folder;
    const struct {
        std::string bytes;
        bool executable;
    } cases[] = {
        {ExecutableBytes(128, "PE\0\0"), true},
        {ExecutableBytes(240, "PE\0\0"), false}, // header cut off by the file's end
        {ExecutableBytes(16, "PE\0\0"), false},  // inside the DOS header
        {"<html><body>404 Not Found</body></html>", false},
    };
    for (const auto& c : cases) {
        folder.Write(L"setup.exe", c.bytes);
        EXPECT_EQ(IsWindowsExecutable(folder.Path(L"setup.exe").c_str()), c.executable)
            << c.bytes.substr(0, 8);
    }
    EXPECT_FALSE(IsWindowsExecutable(folder.Path(L"missing.exe").c_str()));
}

class UpdateSiteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSettingsState();
        ResetUpdateSite();
    }
    void TearDown() override {
        ResetUpdateSite();
        ResetSettingsState();
    }
};

TEST_F(UpdateSiteTest, TakesAHostAPortOrOffAndRefusesAnythingElse) {
    const struct {
        const wchar_t* command;
        int result;
        const wchar_t* site; // afterwards; "" = off, null = unchanged
        const wchar_t* message;
    } cases[] = {
        {L"updatesite 127.0.0.1:8080;SD", 0, L"127.0.0.1:8080", L""},
        {L"UPDATESITE=off", 0, L"", L""},
        {L"UPDATESITE=OFFICE", 0, L"OFFICE", L""},
        {L"UPDATESITE=host:65536", -2, nullptr,
         L"Invalid UPDATESITE value: host:65536 (host, host:port or OFF)"},
        {L"UPDATESITE=http://host/", -2, nullptr,
         L"Invalid UPDATESITE value: http: (host, host:port or OFF)"}, // "//" starts a comment
    };
    for (const auto& c : cases) {
        ResetUpdateSite();
        const std::wstring before = UpdateSite();
        EXPECT_EQ(RunCommands(c.command, nullptr), c.result) << c.command;
        EXPECT_EQ(std::wstring(UpdateSite()), c.site != nullptr ? c.site : before) << c.command;
        EXPECT_STREQ(TakePendingError().message, c.message) << c.command;
    }
}

TEST_F(UpdateSiteTest, IsKeptInTheSettingsFile) {
    ScratchFolder folder;
    const std::wstring path = folder.Path(L"Zelmora.ini");
    for (const wchar_t* site : {L"127.0.0.1:8080", L"OFF"}) {
        std::wstring command = std::wstring(L"UPDATESITE=") + site;
        ASSERT_EQ(RunCommands(command.c_str(), nullptr), 0);
        FILE* file = OpenFileAt(path.c_str(), "w");
        ASSERT_NE(file, nullptr);
        WriteOptionsSection(file);
        fclose(file);
        ResetUpdateSite();
        EXPECT_GT(ReadSettingsFile(path.c_str()), 0);
        EXPECT_STREQ(UpdateSiteSetting(), site);
    }
}

} // namespace
