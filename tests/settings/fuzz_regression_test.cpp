// Inputs that the fuzz targets of the command language met on their way,
// replayed through the same drivers: malformed, truncated, over-long and
// binary text, each of which must end in a message or quietly, never in a
// crash, an overrun or a hang.
#include "fuzz/fuzz_drivers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_files.h"
#include "suntimes/time_zone_choice.h"

namespace {

using Driver = void (*)(const uint8_t* data, size_t size);

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
        ResetSettingsState();
        ClearTimeZoneCatalogue();
    }
    ScratchFolder folder;
};

TEST_F(FuzzRegressionTest, FoundInputsEndInAMessageOrQuietly) {
    const struct {
        Driver driver;
        std::vector<std::string> inputs;
    } found[] = {
        // The settings reader, and what it writes back.
        {fuzz::SettingsReader,
         {"", "[OPTIONS]\nSDO " + std::string(10000, 'x') + "\n[SUNTIMES]\nLatitude=3\n",
          kAllBytes + "\n[SUNTIMES]\0Latitude=1\r\n\xff\xfe",
          "[" + std::string(9000, '[') + "]\nSD\n",
          "[SUNTIMES]\nTimezone=\"Odd; \\\"Zone\\\" // \\\\ caf\\u00E9\\ttab\"\n",
          "[SUNTIMES]\nLatitude=-0\nLongitude=1e-300\nLatitude=0x1p-3\n",
          "[DISPLAY_POSITIONS]\nPos0=0x7fffffff,-0x80000000,077777777777,9\n",
          "[DISPLAY_POSITIONS]\nPos15=1,2,3\nPos2=-1,-1,-1,-1\n",
          "[OPTIONS]\nEXIT\n[SUNTIMES]\nLatitude=2\n", "\xEF\xBB\xBF[options]\r\nsdo\r\n"}},
        // Command text, also through the fixture script.
        {fuzz::RunCommandText,
         {"LATITUDE=1;" + std::string(9000, 'A') + ";SD", "\"" + std::string(9000, 'A'),
          "\"<script.txt@top:loop=2\"", "<script.txt", "<script.txt=99999", "<script.txt@sub",
          "<settings.ini", "<script.txt@0x7fffffff:0x7fffffff", "TIMEZONE=\"\\U0010FFFF\\uD800\"",
          "Pos0=99999999999999999999999,1,2,3 Pos",
          "<<<<@@@::===", std::string("\x01\x02\x7f\xff\"\\", 6)}},
        // References of the tagged-file reader.
        {fuzz::TaggedReference,
         {"<script.txt@top:sub+1=2", "<" + std::string(9000, 'a') + ".txt@1",
          "<script.txt@top-99999999999", "<script.txt@.+1", "<script.txt@loop:=2",
          "<.@:=", "\"<script.txt\"@2"}},
        // Tokens, with their flags and room in the first byte.
        {fuzz::Token,
         {"\xfd\"" + std::string(9000, 'b') + "\"", std::string("\x02\"a\\\"", 5),
          std::string("\x01", 1), "\x04//;"}},
        // Values written and read back.
        {fuzz::SettingValue,
         {std::string("G\0M\0T\0 \0;\0/\0/\0\xe9\0\x3d\xd8\x00\xde", 20), std::string("\\\0u\0", 4),
          std::string("\x00\xd8", 2)}},
    };
    for (const auto& group : found) {
        for (const std::string& bytes : group.inputs) {
            SCOPED_TRACE(bytes.substr(0, 60));
            group.driver(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        }
    }
}

} // namespace
