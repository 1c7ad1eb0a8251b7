#include "support/file_search.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "support/test_files.h"

namespace {

// A scratch folder holding "data.txt" and "sub\".
class FileSearch : public ::testing::Test {
  protected:
    void SetUp() override {
        scratch.Write(L"data.txt", "");
        ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
        wmemset(result, L'#', kResultSize);
    }
    static const int kResultSize = kFilePathLength + 40;
    ScratchFolder scratch;
    const std::wstring folder = scratch.Path(L""), file = scratch.Path(L"data.txt"),
                       sub = scratch.Path(L"sub");
    wchar_t result[kResultSize];
};

TEST_F(FileSearch, FileExistsTellsFilesFromFolders) {
    EXPECT_EQ(FileExists(file.c_str()), 1);
    EXPECT_EQ(FileExists((sub + L"\\").c_str()), -1);
    EXPECT_EQ(FileExists(scratch.Path(L"missing.txt").c_str()), 0);
    EXPECT_EQ(FileExists(nullptr), 0);
    EXPECT_EQ(FileExists((L"\"" + file + L"\"").c_str()), 1);
    EXPECT_EQ(FileExists((L"\"" + std::wstring(400, L'a') + L"\"").c_str()), 0);
}

// Beside the folder first, then (by its file name only) along the system's
// search path; missing and overlong names are not found, and nothing is
// written past the path buffer.
TEST_F(FileSearch, FindsBesideTheFolderThenAlongTheSearchPath) {
    EXPECT_EQ(FindFile(result, sub.c_str(), L"..\\data.txt"), int(sub.size() + 12));
    EXPECT_EQ(result, sub + L"\\..\\data.txt");
    EXPECT_GT(FindFile(result, nullptr, file.c_str()), 0);
    EXPECT_EQ(result, file);
    EXPECT_GT(FindFile(result, L"", L"Q:\\nowhere\\notepad.exe"), 0);
    const std::wstring found = result;
    EXPECT_EQ(_wcsicmp(found.substr(found.size() - 12).c_str(), L"\\notepad.exe"), 0) << found;

    EXPECT_EQ(FindFile(result, folder.c_str(), L"zelmora_missing_7f3a.txt"), 0);
    EXPECT_STREQ(result, L"");
    EXPECT_EQ(FindFile(nullptr, folder.c_str(), L"data.txt"), 0);
    EXPECT_EQ(FindFile(result, (L"C:\\" + std::wstring(250, L'd')).c_str(), L"kernel32.dll"), 0);
    EXPECT_EQ(FindFile(result, L"", (std::wstring(300, L'n') + L".txt").c_str()), 0);
    EXPECT_STREQ(result, L"");
    for (int i = kFilePathLength; i < kResultSize; ++i)
        ASSERT_EQ(result[i], L'#') << "written past the path buffer at " << i;
}

} // namespace
