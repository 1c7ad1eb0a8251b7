// The help text: its topics where the Help menu looks for them, and every
// command word that the command parsers accept documented in it, read from
// the parsers' own sources so that the two cannot drift apart.
#include "services/help_text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "settings/settings_sections.h"
#include "support/utf8_text.h"

namespace {

std::wstring JoinedHelpText() {
    BuildHelpText(L"        *** Program Information ***\r\n\r\nProgram Name: Zelmora");
    std::unique_ptr<wchar_t[]> text(JoinHelpText());
    return text ? std::wstring(text.get()) : std::wstring();
}

std::string Narrow(const std::wstring& text) {
    std::string bytes(text.size() * 4 + 1, '\0');
    const int length = EncodeUtf8(text.c_str(), &bytes[0], static_cast<int>(bytes.size()));
    bytes.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return bytes;
}

// Every topic but "INI File" (which opens where the text was) has its
// heading exactly once, for the Help menu to find.
TEST(HelpText, EveryMenuTopicHasOneHeadingAndTheIniFileTopicNone) {
    const std::string text = Narrow(JoinedHelpText());
    ASSERT_FALSE(text.empty());
    for (int topic = 0; topic < kHelpTopicCount; ++topic) {
        const std::string heading = Narrow(kHelpTopicHeadings[topic]);
        size_t count = 0;
        for (size_t at = text.find(heading); at != std::string::npos;
             at = text.find(heading, at + 1))
            ++count;
        EXPECT_EQ(count, topic == kHelpIniFile ? 0u : 1u) << heading;
    }
}

std::string ReadSource(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

// The command words of the command language: the upper-case words and the
// section headers written as wide literals in the sources that parse
// commands (those that use the command scanner or name a section).
struct ParserWords {
    std::set<std::string> words;
    std::set<std::string> headers;
};

ParserWords ReadParserWords() {
    ParserWords found;
    const std::regex header("L\"(\\[[A-Z_]+\\])\"");
    const std::regex word("L\"([A-Z][A-Z0-9_]+)\"");
    const std::filesystem::path root(ZELMORA_SOURCE_DIR);
    for (const char* folder : {"settings", "suntimes", "datetime", "services", "support"}) {
        for (const auto& entry : std::filesystem::directory_iterator(root / folder)) {
            const std::string name = entry.path().filename().string();
            if (entry.path().extension() != ".cpp" || name.find("_win32") != std::string::npos ||
                name.find("_posix") != std::string::npos)
                continue;
            const std::string source = ReadSource(entry.path());
            const bool parses = source.find("StartsWithCommandWord(") != std::string::npos ||
                                std::regex_search(source, header);
            if (!parses) continue;
            for (std::sregex_iterator m(source.begin(), source.end(), header), end; m != end; ++m)
                found.headers.insert((*m)[1]);
            for (std::sregex_iterator m(source.begin(), source.end(), word), end; m != end; ++m)
                found.words.insert((*m)[1]);
        }
    }
    return found;
}

bool HoldsWord(const std::string& text, const std::string& word) {
    const auto inWord = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    };
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const size_t end = at + word.size();
        if ((at == 0 || !inWord(text[at - 1])) && (end == text.size() || !inWord(text[end])))
            return true;
    }
    return false;
}

TEST(HelpText, DocumentsEveryCommandWordAndSectionThatTheParsersAccept) {
    const std::string text = Narrow(JoinedHelpText());
    const ParserWords parsers = ReadParserWords();
    // The scan found the parsers: one header for every section that has a
    // handler, and the words of each kind of command.
    int sections = 0;
    for (const SettingsSectionEntry& section : kSettingsSections)
        sections += section.readLine != nullptr;
    EXPECT_EQ(parsers.headers.size(), static_cast<size_t>(sections));
    for (const char* known :
         {"SD", "UPDATESITE", "TIMEZONE", "SAVEAS", "HOUR_VELOCITY", "DT12", "POS", "SRCH"})
        EXPECT_EQ(parsers.words.count(known), 1u) << known;
    for (const std::string& header : parsers.headers)
        EXPECT_NE(text.find(header), std::string::npos) << header << " is not in the help text";
    for (const std::string& word : parsers.words)
        EXPECT_TRUE(HoldsWord(text, word)) << word << " is not in the help text";
    // The file commands of tagged files, in their short and long forms.
    const std::string source =
        ReadSource(std::filesystem::path(ZELMORA_SOURCE_DIR) / "services/tagged_file_commands.cpp");
    const std::regex tableWord("\\{L\"([A-Z_]+)\", k");
    int words = 0;
    for (std::sregex_iterator m(source.begin(), source.end(), tableWord), end; m != end; ++m) {
        ++words;
        EXPECT_TRUE(HoldsWord(text, "F" + (*m)[1].str())) << "F" << (*m)[1];
        EXPECT_TRUE(HoldsWord(text, "FILE" + (*m)[1].str())) << "FILE" << (*m)[1];
    }
    EXPECT_EQ(words, 7);
    // The location list's sources and licences, as its licences ask.
    for (const char* credit : {"GeoNames (https://www.geonames.org/)", "CC BY 4.0",
                               "OurAirports (https://ourairports.com/)",
                               "countries-list (MIT License)", "Unicode License V3"})
        EXPECT_NE(text.find(credit), std::string::npos) << credit;
}

} // namespace
