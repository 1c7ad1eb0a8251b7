#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "settings/settings_session.h"
#include "settings_test_state.h"
#include "support/file_system.h"
#include "support/test_files.h"

namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSettingsState();
        InstallTestZones();
        path = folder.Path(L"Zelmora.ini");
    }
    void TearDown() override {
        ResetSettingsState();
        ClearTimeZoneCatalogue();
    }
    std::wstring Message() { return TakePendingError().message; }

    ScratchFolder folder;
    std::wstring path;
};

// Settings that differ from the start values (the clock when asked to).
void ChangeEverySetting(const wchar_t* zoneKey, int clock = kDateTimeFormat24) {
    statusBarOn = 0;
    dateTimeFormat = clock;
    siteLatitude = 51.4779;
    siteLongitude = -0.0015;
    windowPositions[kPositionMainWindow] = PositionRect{75, 75, 775, 625};
    windowPositions[kPositionHelpWindow] = PositionRect{500, 160, 900, 625};
    windowPositions[kPositionSelectionDialog] = PositionRect{10, 10, 0, 500}; // empty
    ASSERT_TRUE(ChooseZoneByKey(zoneKey));
}

TEST_F(SettingsFileTest, WhatIsWrittenReadsBackWholeAndRewritesTheSameBytes) {
    for (const auto& [zoneKey, clock] : {std::make_pair(L"GMT Standard Time", kDateTimeFormat24),
                                         std::make_pair(kOddZoneKey, kDateTimeFormat12)}) {
        ResetSettingsState();
        ChangeEverySetting(zoneKey, clock);
        ASSERT_TRUE(WriteSettingsFile(path.c_str())) << Message();
        const std::string first = folder.Read(L"Zelmora.ini");

        ResetSettingsState();
        dateTimeFormat = clock == kDateTimeFormat12 ? kDateTimeFormat24 : kDateTimeFormat12;
        EXPECT_GT(ReadSettingsFile(path.c_str()), 0);
        EXPECT_EQ(Message(), L"");
        EXPECT_EQ(statusBarOn, 0);
        EXPECT_EQ(dateTimeFormat, clock);
        EXPECT_DOUBLE_EQ(siteLatitude, 51.4779);
        EXPECT_DOUBLE_EQ(siteLongitude, -0.0015);
        EXPECT_EQ(windowPositions[kPositionHelpWindow].right, 900);
        EXPECT_TRUE(IsPositionEmpty(windowPositions[kPositionSelectionDialog]));
        EXPECT_STREQ(ChosenZoneKey(), zoneKey);

        ASSERT_TRUE(WriteSettingsFile(path.c_str())) << Message();
        EXPECT_EQ(folder.Read(L"Zelmora.ini"), first);
    }
}

// Plain ASCII whatever the values hold; no zone chosen, no Timezone line.
TEST_F(SettingsFileTest, TheFileIsPlainAsciiAndOnlyAChosenZoneIsWritten) {
    ChangeEverySetting(kOddZoneKey);
    ASSERT_TRUE(WriteSettingsFile(path.c_str()));
    for (char c : folder.Read(L"Zelmora.ini"))
        EXPECT_TRUE(c == '\n' || c == '\r' || (c >= ' ' && c < 0x7F)) << int(c);
    ForgetChosenZone();
    ASSERT_TRUE(WriteSettingsFile(path.c_str()));
    EXPECT_EQ(folder.ReadText(L"Zelmora.ini").find("Timezone"), std::string::npos);
}

struct ReadCase {
    const char* content;
    int result; // exact result
    const wchar_t* message;
};

TEST_F(SettingsFileTest, LinesAreReadByTheirSectionsWithExactMessagesAndResults) {
    const ReadCase cases[] = {
        {"", 0, L""},
        {"SDO\nPos0=1, 2, 300, 400\n[OPTIONS]\n", 0, L""}, // before any header: ignored
        {"[options]\n  sdo ; ; // lower case\n", 3, L""},
        {"[OPTIONS] SDO\n", 3, L""},
        {"[OPTIONS]\nEXIT\nSD\n", 1, L""},
        {"[OPTIONS]\nxy\nx//y\na //\n", 0, L""},
        {"[FOO]\nSD\n", -1, L"Invalid command for header [FOO]: [FOO]"},
        {"[OPTIONS]\nbogus command\nSDO\n", -1,
         L"Invalid command for header [OPTIONS]: bogus command"},
        {"[SUNTIMES]\nLATITUDE=91\n", -1, L"Invalid Latitude[-90.0 - 90.0]: 91"},
        {"[SUNTIMES]\r\nLatitude=10\r\n", 0, L""},
        {"\xEF\xBB\xBF[OPTIONS]\nSDO\n", 3, L""},
    };
    for (const ReadCase& c : cases) {
        ResetSettingsState();
        folder.WriteText(L"case.ini", c.content);
        EXPECT_EQ(ReadSettingsFile(folder.Path(L"case.ini").c_str()), c.result) << c.content;
        EXPECT_EQ(Message(), c.message) << c.content;
    }
}

TEST_F(SettingsFileTest, AHeaderEndsTheSectionBeforeIt) {
    folder.WriteText(L"case.ini", "[SUNTIMES]\nLatitude=10\n[DATETIME]\nLatitude=20\nDT24\n"
                                  "[UNKNOWN]\nDT12\n[Suntimes] Longitude=30\n");
    EXPECT_EQ(ReadSettingsFile(folder.Path(L"case.ini").c_str()), -1);
    EXPECT_EQ(Message(), L"Invalid command for header [DATETIME]: Latitude=20");
    EXPECT_DOUBLE_EQ(siteLatitude, 10.0);
    EXPECT_EQ(dateTimeFormat, kDateTimeFormat24); // DT12 under [UNKNOWN] was not taken
    EXPECT_DOUBLE_EQ(siteLongitude, 30.0);
}

TEST_F(SettingsFileTest, AFailedWriteLeavesTheOldFileWhole) {
    ChangeEverySetting(L"UTC");
    ASSERT_TRUE(WriteSettingsFile(path.c_str()));
    EXPECT_TRUE(IsFileReadOnly(path.c_str()));
    const std::string old = folder.Read(L"Zelmora.ini");

    // Something in the way of the temporary file: nothing can be written.
    std::filesystem::create_directory(folder.Path(L"Zelmora.ini.tmp"));
    siteLatitude = 12.0;
    EXPECT_FALSE(WriteSettingsFile(path.c_str()));
    EXPECT_EQ(Message(), L"Failed to Write Control File: " + path);
    EXPECT_EQ(folder.Read(L"Zelmora.ini"), old);
    EXPECT_TRUE(IsFileReadOnly(path.c_str()));

    // Out of the way again: the read-only file is lifted, replaced and kept read-only.
    std::filesystem::remove(folder.Path(L"Zelmora.ini.tmp"));
    EXPECT_TRUE(WriteSettingsFile(path.c_str())) << Message();
    EXPECT_NE(folder.Read(L"Zelmora.ini"), old);
    EXPECT_TRUE(IsFileReadOnly(path.c_str()));
    EXPECT_FALSE(folder.Exists(L"Zelmora.ini.tmp"));

    for (const std::wstring& target :
         {folder.Path(L"no_such_folder/Zelmora.ini"), std::wstring()}) {
        EXPECT_FALSE(WriteSettingsFile(target.c_str()));
        EXPECT_EQ(Message(), L"Failed to Write Control File: " + target);
    }
}

TEST_F(SettingsFileTest, AnUnreadableSettingsFileIsNotOverwrittenAtExit) {
    // A folder in the place of the file cannot be read as one.
    std::filesystem::create_directory(path);
    EXPECT_EQ(LoadSettingsAtStartUp(path.c_str()), kSettingsUnreadable);
    const std::wstring message = Message();
    EXPECT_EQ(message.rfind(L"Failed to ", 0), 0u) << message;
    EXPECT_NE(message.find(L" - INI File Parameter"), std::wstring::npos) << message;
    EXPECT_TRUE(SettingsFileUnreadable());
    EXPECT_EQ(SaveSettingsAtExit(path.c_str()), kSettingsSaveSkipped);
    EXPECT_EQ(Message(), L"");
    EXPECT_EQ(PathKindAt(path.c_str()), kPathFolder);

    // A missing file is simply not read, and written at exit.
    const std::wstring fresh = folder.Path(L"fresh.ini");
    EXPECT_EQ(LoadSettingsAtStartUp(fresh.c_str()), 0);
    EXPECT_FALSE(SettingsFileUnreadable());
    EXPECT_EQ(Message(), L"");
    EXPECT_EQ(SaveSettingsAtExit(fresh.c_str()), kSettingsSaved);
    EXPECT_TRUE(folder.Exists(L"fresh.ini"));
}

TEST_F(SettingsFileTest, ReadingFailuresAtStartUpNameTheirSource) {
    folder.WriteText(L"Zelmora.ini", "[OPTIONS]\nbogus\n");
    EXPECT_EQ(LoadSettingsAtStartUp(path.c_str()), -1);
    EXPECT_EQ(Message(), L"Invalid command for header [OPTIONS]: bogus - INI File Parameter");
    EXPECT_FALSE(SettingsFileUnreadable());

    // An exit command in the settings file only ends its reading.
    folder.WriteText(L"Zelmora.ini", "[OPTIONS]\nEXIT\n");
    EXPECT_EQ(LoadSettingsAtStartUp(path.c_str()), kSettingsExitRequest);
    EXPECT_EQ(exitRequested, 0);

    EXPECT_EQ(RunCommandLine(L"bogus"), -2);
    EXPECT_EQ(Message(), L"Invalid command: \"bogus\" - Command Line Parameter");
    // A message that was there before keeps its own words.
    ReportError(L"Earlier");
    EXPECT_EQ(RunCommandLine(L"bogus"), -2);
    EXPECT_EQ(Message(), L"Earlier");
}

TEST_F(SettingsFileTest, ACommandLineThatEndsTheProgramLeavesItsSettingsForTheNextRun) {
    const wchar_t commandLine[] =
        L"LATITUDE=51.4779;LONGITUDE=-0.0015;TIMEZONE=\"GMT Standard Time\";DT24;SD;EXIT";
    EXPECT_EQ(LoadSettingsAtStartUp(path.c_str()), 0);
    EXPECT_EQ(RunCommandLine(commandLine), 1);
    EXPECT_EQ(exitRequested, 1);
    ASSERT_EQ(SaveSettingsAtExit(path.c_str()), kSettingsSaved);
    const std::string written = folder.Read(L"Zelmora.ini");

    ResetSettingsState(); // the next run
    EXPECT_GT(LoadSettingsAtStartUp(path.c_str()), 0);
    EXPECT_EQ(Message(), L"");
    EXPECT_STREQ(ChosenZoneKey(), L"GMT Standard Time");
    EXPECT_EQ(ChosenZoneIndex(), 1); // after "(UTC) Coordinated Universal Time"
    EXPECT_DOUBLE_EQ(siteLatitude, 51.4779);
    EXPECT_EQ(dateTimeFormat, kDateTimeFormat24);
    ASSERT_EQ(SaveSettingsAtExit(path.c_str()), kSettingsSaved);
    EXPECT_EQ(folder.Read(L"Zelmora.ini"), written);
}

TEST_F(SettingsFileTest, FileOpenReadsSettingsOrRunsCommands) {
    folder.WriteText(L"other.INI", "[SUNTIMES]\nLatitude=33\n");
    EXPECT_EQ(OpenCommandFile(folder.Path(L"other.INI").c_str()), 0);
    EXPECT_DOUBLE_EQ(siteLatitude, 33.0);

    const std::wstring missing = folder.Path(L"missing.ini");
    EXPECT_EQ(OpenCommandFile(missing.c_str()), kSettingsUnreadable);
    EXPECT_EQ(Message(), L"Failed File Open: " + missing);

    folder.WriteText(L"commands.txt", "LATITUDE=44\nEXIT\nLATITUDE=55\n");
    EXPECT_EQ(OpenCommandFile(folder.Path(L"commands.txt").c_str()), 1);
    EXPECT_EQ(exitRequested, 1);
    EXPECT_DOUBLE_EQ(siteLatitude, 44.0);
}

TEST_F(SettingsFileTest, WindowPositionsAreReadEarlyWithoutAnythingElse) {
    folder.WriteText(L"Zelmora.ini",
                     "[OPTIONS]\nSDO\n[DISPLAY_POSITIONS]\n"
                     "Pos0=100, 100, 800, 650\nPos99=1\n[SUNTIMES]\nPos1=1,2,3,4\n");
    ReadWindowPositionsEarly(folder.Path(L"Zelmora.ini").c_str());
    EXPECT_EQ(windowPositions[kPositionMainWindow].right, 800);
    EXPECT_TRUE(IsPositionEmpty(windowPositions[1]));
    EXPECT_EQ(statusBarOn, 1);
    EXPECT_FALSE(HasPendingError()); // the full reading reports it
    ReadWindowPositionsEarly(folder.Path(L"absent.ini").c_str());
    EXPECT_FALSE(HasPendingError());
}

} // namespace
