// UPDATESITE: where the update check looks, set by command and kept in the
// [OPTIONS] section.
#include "services/update_site.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "settings/command_runner.h"
#include "settings/options_section.h"
#include "settings/settings_file.h"
#include "settings/settings_test_state.h"
#include "support/file_system.h"
#include "support/test_files.h"

namespace {

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

TEST_F(UpdateSiteTest, IsWrittenAfterTheStatusBarOptionAndReadBack) {
    ScratchFolder folder;
    const std::wstring path = folder.Path(L"Zelmora.ini");
    for (const wchar_t* site : {L"127.0.0.1:8080", L"OFF"}) {
        std::wstring command = std::wstring(L"UPDATESITE=") + site;
        ASSERT_EQ(RunCommands(command.c_str(), nullptr), 0);
        FILE* file = OpenFileAt(path.c_str(), "w");
        ASSERT_NE(file, nullptr);
        WriteOptionsSection(file);
        fclose(file);
        const std::string text = folder.ReadText(L"Zelmora.ini");
        const std::string expected =
            "[OPTIONS]\nSD\nUPDATESITE=" + std::string(site, site + std::wcslen(site)) + "\n\n";
        EXPECT_NE(text.find(expected), std::string::npos) << text;
        ResetUpdateSite();
        EXPECT_GT(ReadSettingsFile(path.c_str()), 0);
        EXPECT_STREQ(UpdateSiteSetting(), site);
    }
}

} // namespace
