// The update check's reading of the site's pages and the names it forms:
// versions, the release directory, which directory stays on the site, the
// page's key line, and which file is a Windows program.
#include "services/update_release.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "services/executable_check.h"
#include "services/update_page.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "support/test_files.h"

namespace {

const ReleaseVersion kOwn = {2, 66};

TEST(UpdateRelease, ReadsVersionsAndOffersOnlyLaterReleases) {
    struct Case {
        const wchar_t* text;
        bool read;
        ReleaseVersion version;
        bool newer;
    };
    const Case cases[] = {
        {L"2-66_Setup.exe", true, {2, 66}, false},
        {L"2-67_Setup.exe", true, {2, 67}, true},
        {L"3-1\">", true, {3, 1}, true},
        {L"1-99", true, {1, 99}, false},
        {L"2-65", true, {2, 65}, false},
        {L"0-5", true, {0, 5}, false},
        {L"2", false, {}, false},
        {L"2-", false, {}, false},
        {L"-66", false, {}, false},
        {L"99999999999-1", false, {}, false}, // beyond 32 bits
    };
    for (const Case& c : cases) {
        ReleaseVersion version = {-1, -1};
        EXPECT_EQ(ReadReleaseVersion(c.text, &version), c.read) << c.text;
        if (!c.read) continue;
        EXPECT_EQ(version.major, c.version.major) << c.text;
        EXPECT_EQ(version.minor, c.version.minor) << c.text;
        EXPECT_EQ(IsNewerRelease(version, kOwn), c.newer) << c.text;
    }
}

TEST(UpdateRelease, ReadsTheReleaseDirectoryTokenWithoutReporting) {
    struct Case {
        const wchar_t* text;      // behind the key
        const wchar_t* directory; // null: none
    };
    const Case cases[] = {
        {L"=releases/", L"releases/"},
        {L"releases/ more", L"releases/"},
        {L"=\"with blank/\" rest", L"with blank/"},
        {L"=files;other", L"files"},
        {L"==releases", L"=releases"}, // only one "=" is skipped
        {L"=\"unclosed", nullptr},
        {L"=", nullptr},
        {L"", nullptr},
    };
    for (const Case& c : cases) {
        wchar_t directory[kUpdateTextLength] = L"unchanged";
        const bool read = ReadReleaseDirectory(c.text, directory, kUpdateTextLength);
        EXPECT_EQ(read, c.directory != nullptr) << c.text;
        if (c.directory != nullptr) {
            EXPECT_STREQ(directory, c.directory) << c.text;
        }
    }
    const std::wstring overLong = L"=" + std::wstring(kUpdateTextLength, L'a');
    wchar_t directory[kUpdateTextLength];
    EXPECT_FALSE(ReadReleaseDirectory(overLong.c_str(), directory, kUpdateTextLength));
    EXPECT_FALSE(HasPendingError());
}

TEST(UpdateRelease, AReleaseDirectoryNeverLeavesTheUpdateSite) {
    struct Case {
        const wchar_t* directory;
        bool safe;
    };
    const Case cases[] = {
        {L"releases/", true},
        {L"zelmora/v2_release-files/", true},
        {L"~builds/", true},
        {L"/releases/", false},
        {L"../secret/", false},
        {L"releases/../../", false},
        {L"http://elsewhere.example/", false},
        {L"//elsewhere.example/", false},
        {L"releases\\", false},
        {L"user@host/", false},
        {L"rel%2e%2e/", false},
        {L"releases?x=1", false},
        {L"=releases", false},
        {L"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsSafeReleaseDirectory(c.directory), c.safe) << c.directory;
}

TEST(UpdateRelease, FormsThePageFileSetupNameAndCaption) {
    wchar_t text[kUpdateTextLength];
    ASSERT_GT(
        FormPageFilePath(L"C:\\Programs\\Zelmora\\", L"127.0.0.1:8080", text, kUpdateTextLength),
        0);
    EXPECT_STREQ(text, L"C:\\Programs\\Zelmora\\127.0.0.1_8080_files.htm");
    ASSERT_GT(FormSetupFileName(L"Zelmora", L"V", {2, 67}, text, kUpdateTextLength), 0);
    EXPECT_STREQ(text, L"Zelmora_V2-67_Setup.exe");
    ASSERT_GT(FormUpdateCaption(L"Zelmora", L"V", kOwn, {3, 1}, text, kUpdateTextLength), 0);
    EXPECT_STREQ(text, L"&Install Zelmora Program Update: V2-66 -> V3-1");
    const std::wstring longFolder(kUpdateTextLength, L'x');
    EXPECT_EQ(FormPageFilePath(longFolder.c_str(), L"site", text, kUpdateTextLength), -1);
}

TEST(UpdatePage, FindsTheKeyInTheFirstLineThatHoldsIt) {
    ScratchFolder folder;
    folder.Write(L"page.htm", "<html>\r\n  <p>Zelmora_V2-67 and Zelmora_V2-68</p>\r\n"
                              "\tZelmora_V9-9\r\nno line end at the end Update_Directory_V=x/");
    struct Case {
        const wchar_t* key;
        const wchar_t* found; // the line from the key on; null: none
    };
    const Case cases[] = {
        {L"Zelmora_V", L"Zelmora_V2-67 and Zelmora_V2-68</p>"},
        {L"Update_Directory_V", L"Update_Directory_V=x/"},
        {L"zelmora_v", nullptr}, // case counts
        {L"<html>", L"<html>"},
    };
    for (const Case& c : cases) {
        FILE* page = OpenFileAt(folder.Path(L"page.htm").c_str(), "r");
        ASSERT_NE(page, nullptr);
        wchar_t line[kUpdateLineLength];
        const wchar_t* found = FindKeyInPage(page, c.key, line, nullptr);
        if (c.found == nullptr)
            EXPECT_EQ(found, nullptr) << c.key;
        else
            EXPECT_STREQ(found, c.found) << c.key;
        fclose(page);
    }
    // The closing program ends the search at once.
    std::atomic<int> closing{1};
    FILE* page = OpenFileAt(folder.Path(L"page.htm").c_str(), "r");
    wchar_t line[kUpdateLineLength];
    EXPECT_EQ(FindKeyInPage(page, L"<html>", line, &closing), nullptr);
    fclose(page);
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
    struct Case {
        std::string bytes;
        bool executable;
    };
    const Case cases[] = {
        {ExecutableBytes(128, "PE\0\0"), true},
        {ExecutableBytes(128, "PX\0\0"), false},
        {ExecutableBytes(240, "PE\0\0"), false}, // header cut off by the file's end
        {ExecutableBytes(0x7FFFFFF0, "PE\0\0"), false},
        {ExecutableBytes(16, "PE\0\0"), false}, // inside the DOS header
        {"<html><body>404 Not Found</body></html>", false},
        {"MZ", false},
        {"", false},
    };
    for (const Case& c : cases) {
        folder.Write(L"setup.exe", c.bytes);
        EXPECT_EQ(IsWindowsExecutable(folder.Path(L"setup.exe").c_str()), c.executable)
            << c.bytes.substr(0, 8);
    }
    EXPECT_FALSE(IsWindowsExecutable(folder.Path(L"missing.exe").c_str()));
}

} // namespace
