// The bodies of the saved files, byte for byte, and the rules of their bytes.
#include "presentation/sun_times_export.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "suntimes/shown_days.h"
#include "suntimes/solar_events.h"
#include "support/test_files.h"

namespace {

const std::wstring kHead =
    L"Latitude = 40.6883  Longitude = -75.2164\nTimezone = (UTC-05:00) Eastern Standard Time\n";

class SunTimesExportTest : public ShownDaysTest {
  protected:
    // The CSV in a buffer sized from its own length: it must fill it exactly.
    static std::wstring Csv() {
        std::vector<wchar_t> buffer(SunTimesCsvLength() + 1, L'#');
        const int written = FormatSunTimesCsv(buffer.data(), static_cast<int>(buffer.size()));
        EXPECT_EQ(written + 1u, buffer.size());
        return buffer.data();
    }
};

// The worked example's day (Easton, PA, 14 January 2016, UTC-5) in every
// mode, and a polar night at 70 N where only the twilight still comes.
TEST_F(SunTimesExportTest, CsvOfEveryModeByteForByte) {
    const struct {
        double latitude;
        int month, day;
        int mode;
        bool twelveHour;
        std::wstring expected;
    } cases[] = {
        {40.6883, 1, 14, kModeTime, true,
         L"Times\n" + kHead +
             L"Date,Dawn,Sunrise,Sunset,Dusk\n  1/14/2016,6:53:05 AM,7:23:16 AM,4:56:37 PM,5:26:49 "
             L"PM\n"},
        {40.6883, 1, 14, kModeTime, false,
         L"Times\n" + kHead +
             L"Date,Dawn,Sunrise,Sunset,Dusk\n  1/14/2016,6:53:05,7:23:16,16:56:37,17:26:49\n"},
        {40.6883, 1, 14, kModeVelocity, true,
         L"Velocity(Delta Time(Sec)/day)\n" + kHead +
             L"Date,Dawn,Sunrise,Sunset,Dusk\n  1/14/2016,-19,-22,66,63\n"},
        {40.6883, 1, 14, kModeHours, true,
         L"Hours\n" + kHead +
             L"Date,Dawn-Dusk,Daylight,Night,Dusk-Dawn\n  "
             L"1/14/2016,10:33:44,9:33:21,14:26:39,13:26:16\n"},
        {70.0, 12, 21, kModeVelocity, true, L""}, // checked by its cells below
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode * 100 + c.latitude);
        ComputeShownDays(c.latitude, c.month, c.day, c.month, c.day);
        ShowMode(c.mode);
        dateTimeFormat = c.twelveHour ? kDateTimeFormat12 : kDateTimeFormat24;
        // Unchecked columns are written all the same.
        sunTimesSeries.showEvent[Sunset] = 0;
        const std::wstring csv = Csv();
        if (!c.expected.empty()) {
            EXPECT_EQ(csv, c.expected);
        } else { // the sun stays down, the twilight comes
            EXPECT_TRUE(std::regex_search(
                csv, std::wregex(L"12/21/2016,-?\\d+,Never Rises,Never Rises,-?\\d+\n$")))
                << csv;
        }
    }
}

// The whole-file test below has the usual titles; these are the edges.
TEST_F(SunTimesExportTest, CsvTitlesEndInCsvInAnyCase) {
    EXPECT_TRUE(IsCsvTitle(L"CSV"));
    for (const wchar_t* title : {L"", L"sv", L"a.csvx", static_cast<const wchar_t*>(nullptr)})
        EXPECT_FALSE(IsCsvTitle(title));
}

// Text files store "\n" as CR LF and each character as one byte; the title
// line keeps its own CR, so it ends in CR CR LF.
TEST_F(SunTimesExportTest, FileBytesAreEightBitWithCrLf) {
    char bytes[64];
    const struct {
        const wchar_t* text;
        int size;
        const char* expected; // null: refused
    } cases[] = {
        {L"Sun Times: X\r\n\n", 64, "Sun Times: X\r\r\n\r\n"},
        {L"caf\u00e9\n", 64, "caf\xe9\r\n"},
        {L"Utqia\u0121vik", 64, nullptr}, // beyond 8 bits
        {L"ab\n", 3, nullptr},            // does not fit
        {L"", 0, ""},
    };
    for (const auto& c : cases) {
        const int count = EncodeTextFile(c.text, bytes, static_cast<size_t>(c.size));
        if (c.expected == nullptr) {
            EXPECT_EQ(count, -1);
        } else {
            EXPECT_EQ(std::string(bytes, count > 0 ? count : 0), c.expected);
        }
    }
}

// Whole files: the final line end, CR LF, the format chosen by the title;
// a failed write leaves the old file whole and no other file behind.
TEST_F(SunTimesExportTest, FilesAreWrittenWholeOrNotAtAll) {
    ScratchFolder folder;
    plotView = kViewTable;
    ComputeShownDays(40.6883, 1, 14, 1, 14);
    ShowMode(kModeVelocity);
    const struct {
        const wchar_t* title;
        bool empty;
        std::string expected;
    } cases[] = {
        {L"a.CsV", false,
         "Velocity(Delta Time(Sec)/day)\r\nLatitude = 40.6883  Longitude = -75.2164\r\n"
         "Timezone = (UTC-05:00) Eastern Standard Time\r\nDate,Dawn,Sunrise,Sunset,Dusk\r\n"
         "  1/14/2016,-19,-22,66,63\r\n\r\n"},
        {L"a.csv", true, "\r\n"},
        {L"a.txt", true, "Sun Times: Velocity: Time Delta: Sec/Day\r\r\n\r\n"},
        {L"a", false, ""}, // the table, checked by its head
    };
    for (const auto& c : cases) {
        sunTimesSeries.dayCount = c.empty ? 0 : 1;
        ASSERT_TRUE(WriteSunTimesFile(folder.Path(c.title).c_str(), c.title)) << c.title;
        const std::string bytes = folder.Read(c.title);
        if (!c.expected.empty()) {
            EXPECT_EQ(bytes, c.expected) << c.title;
        } else {
            EXPECT_EQ(bytes.substr(0, 44), "Sun Times: Velocity: Time Delta: Sec/Day\r\r\nL");
            EXPECT_NE(bytes.find("\r\n 1/14/2016      -19    "), std::string::npos);
            EXPECT_EQ(bytes.find("\r\r", 43), std::string::npos); // CR CR LF: the title's alone
        }
        EXPECT_FALSE(folder.Exists(std::wstring(c.title) + L".tmp"));
    }
    // A folder in the way, a missing folder: refused, nothing left behind.
    std::filesystem::create_directory(folder.Path(L"folder.csv"));
    EXPECT_FALSE(WriteSunTimesFile(folder.Path(L"folder.csv").c_str(), L"folder.csv"));
    EXPECT_FALSE(WriteSunTimesFile(folder.Path(L"none/a.csv").c_str(), L"a.csv"));
    EXPECT_FALSE(folder.Exists(L"folder.csv.tmp"));
    // A character beyond 8 bits: the old file stays as it was.
    folder.Write(L"old.txt", "old");
    currentZone.StandardName[0] = 0x0121;
    EXPECT_FALSE(WriteSunTimesFile(folder.Path(L"old.txt").c_str(), L"old.txt"));
    EXPECT_EQ(folder.Read(L"old.txt"), "old");
}

} // namespace
