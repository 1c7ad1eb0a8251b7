// Zelmora.exe started as a user starts it, with commands on its command
// line, in a folder of its own (its settings file lives beside it): what it
// remembers across runs, what the batch commands write, what a bad command
// says.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "presentation/presentation_state.h"
#include "presentation/sun_times_export.h"
#include "suntimes/calendar.h"
#include "suntimes/sun_times_series.h"
#include "suntimes/test_zones.h"
#include "timezones/time_zone_catalogue.h"
#include "timezones/time_zone_registry.h"
#include "support/error_report.h"
#include "app/program_process.h"

namespace {

class CommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::copy_file(ZELMORA_EXE, folder.Path(L"Zelmora.exe")); }
    // Runs the program to its end; its exit code, or -1 when it did not end.
    int Run(const std::wstring& commands) {
        return RunToEnd(L"\"" + folder.Path(L"Zelmora.exe") + L"\" " + commands, folder.Path(L""));
    }
    ScratchFolder folder;
};

// A place, a zone and options given once are in the settings file, which
// the next run reads and writes back byte for byte, read-only between runs.
TEST_F(CommandLineTest, SettingsSurviveARestartByteForByte) {
    ASSERT_EQ(Run(L"LATITUDE=51.4779;LONGITUDE=-0.0015;TIMEZONE=\"GMT Standard Time\";DT24;"
                  L"SDO;EXIT"),
              0);
    const std::string first = folder.Read(L"Zelmora.ini");
    for (const char* line : {"\r\nSDO\r\n", "\r\nDT24\r\n", "\r\nLatitude=51.4779\r\n",
                             "\r\nLongitude=-0.0015\r\n", "\r\nTimezone=\"GMT Standard Time\"\r\n"})
        EXPECT_NE(first.find(line), std::string::npos) << line << "\n" << first;
    EXPECT_TRUE(GetFileAttributesW(folder.Path(L"Zelmora.ini").c_str()) & FILE_ATTRIBUTE_READONLY);
    ASSERT_EQ(Run(L"EXIT"), 0);
    EXPECT_EQ(folder.Read(L"Zelmora.ini"), first);
}

// SAVEAS writes exactly what Save As writes for the same place, zone and mode.
TEST_F(CommandLineTest, SaveAsOnTheCommandLineWritesWhatSaveAsWrites) {
    ASSERT_EQ(Run(L"LATITUDE=51.4779;LONGITUDE=-0.0015;TIMEZONE=\"GMT Standard Time\";"
                  L"DATA=HOURS;SAVEAS=\"greenwich.csv\";EXIT"),
              0);
    const std::string saved = folder.Read(L"greenwich.csv");
    ASSERT_FALSE(saved.empty());

    ASSERT_EQ(LoadTimeZoneCatalogue(), 1);
    const int index = FindZoneIndexByName(L"GMT Standard Time", nullptr);
    ASSERT_GE(index, 0);
    SYSTEMTIME now;
    GetLocalTime(&now);
    ResetSunTimesSeries();
    SetSunTimesDateRange(Time(now.wYear, 1, 1), Time(now.wYear, 12, 31));
    siteLatitude = 51.4779;
    siteLongitude = -0.0015;
    DataKind = kDataTime;
    sunTimesSeries.showLengths = kShowLengths;
    ASSERT_GT(CalcSunTimesSeries(now.wYear, &timeZoneCatalogue.selectedZone->zone, siteLatitude,
                                 siteLongitude),
              0);
    ASSERT_TRUE(WriteSunTimesFile(folder.Path(L"expected.csv").c_str(), L"expected.csv"));
    EXPECT_EQ(saved, folder.Read(L"expected.csv"));
    ClearTimeZoneCatalogue();
    ResetSunTimesSeries();
    siteLatitude = 40.6883;
    siteLongitude = -75.2164;
    TakePendingError();
}

// A bad value stops the command line there: the program stays open (EXIT is
// never reached) and says what was wrong and where it came from.
TEST_F(CommandLineTest, ABadValueStopsTheCommandLineWithItsMessage) {
    // No update check: the program stays open, and tests reach no other host.
    HANDLE process = StartProgram(folder, L"SDO;UPDATESITE=OFF;DATA=WEEKS;EXIT");
    ASSERT_NE(process, nullptr);
    HWND box = WindowOfProcess(process, L"#32770", L"Error");
    wchar_t text[512] = L"";
    if (box != nullptr) GetDlgItemTextW(box, 0xFFFF, text, 512);
    EXPECT_STREQ(text, L"Invalid DATA value: WEEKS (TIME, VELOCITY, ACCELERATION, HOURS, "
                       L"HOUR_VELOCITY, HOUR_ACCELERATION) - Command Line Parameter");
    EXPECT_EQ(WaitForSingleObject(process, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
}

} // namespace
