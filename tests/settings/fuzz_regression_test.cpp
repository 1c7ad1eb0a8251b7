// Inputs that the fuzz targets of the command language met on their way,
// replayed through the same drivers: malformed, truncated, over-long and
// binary text, each of which must end in a message or quietly, never in a
// crash, an overrun or a hang.
#include "fuzz/fuzz_drivers.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_files.h"
#include "suntimes/time_zone_choice.h"

namespace {

using Driver = void (*)(const uint8_t* data, size_t size);

struct FuzzInput {
    Driver driver;
    std::string bytes;
};

// Every byte value, eight times over.
const std::string kAllBytes = [] {
    std::string bytes;
    for (int i = 0; i < 8 * 256; ++i)
        bytes.push_back(static_cast<char>(i));
    return bytes;
}();

class FuzzRegressionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.Enter();
        fuzz::WriteFuzzFixtures();
    }
    void TearDown() override {
        fuzz::ResetState();
        ClearTimeZoneCatalogue();
    }
    ScratchFolder folder;
};

TEST_F(FuzzRegressionTest, FoundInputsEndInAMessageOrQuietly) {
    const FuzzInput inputs[] = {
        // The settings reader, and what it writes back.
        {fuzz::SettingsReader, ""},
        {fuzz::SettingsReader,
         "[OPTIONS]\nSDO " + std::string(10000, 'x') + "\n[SUNTIMES]\nLatitude=3\n"},
        {fuzz::SettingsReader, kAllBytes + "\n[SUNTIMES]\0Latitude=1\r\n\xff\xfe"},
        {fuzz::SettingsReader, "[" + std::string(9000, '[') + "]\nSD\n"},
        {fuzz::SettingsReader,
         "[SUNTIMES]\nTimezone=\"Odd; \\\"Zone\\\" // \\\\ caf\\u00E9\\ttab\"\n"},
        {fuzz::SettingsReader, "[SUNTIMES]\nLatitude=-0\nLongitude=1e-300\nLatitude=0x1p-3\n"},
        {fuzz::SettingsReader, "[DISPLAY_POSITIONS]\nPos0=0x7fffffff,-0x80000000,077777777777,9\n"},
        {fuzz::SettingsReader, "[DISPLAY_POSITIONS]\nPos15=1,2,3\nPos2=-1,-1,-1,-1\n"},
        {fuzz::SettingsReader, "[OPTIONS]\nEXIT\n[SUNTIMES]\nLatitude=2\n"},
        {fuzz::SettingsReader, "\xEF\xBB\xBF[options]\r\nsdo\r\n"},
        // Command text, also through the fixture script.
        {fuzz::RunCommandText, "LATITUDE=1;" + std::string(9000, 'A') + ";SD"},
        {fuzz::RunCommandText, "\"" + std::string(9000, 'A')},
        {fuzz::RunCommandText, "\"<script.txt@top:loop=2\""},
        {fuzz::RunCommandText, "<script.txt"},
        {fuzz::RunCommandText, "<script.txt=99999"},
        {fuzz::RunCommandText, "<script.txt@sub"},
        {fuzz::RunCommandText, "<settings.ini"},
        {fuzz::RunCommandText, "<script.txt@0x7fffffff:0x7fffffff"},
        {fuzz::RunCommandText, "TIMEZONE=\"\\U0010FFFF\\uD800\""},
        {fuzz::RunCommandText, "Pos0=99999999999999999999999,1,2,3 Pos"},
        {fuzz::RunCommandText, "<<<<@@@::==="},
        {fuzz::RunCommandText, std::string("\x01\x02\x7f\xff\"\\", 6)},
        // References of the tagged-file reader.
        {fuzz::TaggedReference, "<script.txt@top:sub+1=2"},
        {fuzz::TaggedReference, "<" + std::string(9000, 'a') + ".txt@1"},
        {fuzz::TaggedReference, "<script.txt@top-99999999999"},
        {fuzz::TaggedReference, "<script.txt@.+1"},
        {fuzz::TaggedReference, "<script.txt@loop:=2"},
        {fuzz::TaggedReference, "<.@:="},
        {fuzz::TaggedReference, "\"<script.txt\"@2"},
        // Tokens, with their flags and room in the first byte.
        {fuzz::Token, "\xfd\"" + std::string(9000, 'b') + "\""},
        {fuzz::Token, std::string("\x02\"a\\\"", 5)},
        {fuzz::Token, std::string("\x01", 1)},
        {fuzz::Token, "\x04//;"},
        // Values written and read back.
        {fuzz::SettingValue, std::string("G\0M\0T\0 \0;\0/\0/\0\xe9\0\x3d\xd8\x00\xde", 20)},
        {fuzz::SettingValue, std::string("\\\0u\0", 4)},
        {fuzz::SettingValue, std::string("\x00\xd8", 2)},
    };
    for (const FuzzInput& input : inputs) {
        SCOPED_TRACE(input.bytes.substr(0, 60));
        input.driver(reinterpret_cast<const uint8_t*>(input.bytes.data()), input.bytes.size());
    }
}

} // namespace
