#include "support/file_search.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

// A fresh folder under the temporary folder holding "data.txt" and "sub\".
class FileSearch : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
        folder =
            std::wstring(temp) + L"zelmora_file_search_" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        file = folder + L"\\data.txt";
        HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        CloseHandle(h);
        sub = folder + L"\\sub";
        ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
        wmemset(result, L'#', kResultSize);
    }
    void TearDown() override {
        DeleteFileW(file.c_str());
        RemoveDirectoryW(sub.c_str());
        RemoveDirectoryW(folder.c_str());
    }
    bool UntouchedPastThePathBuffer() const {
        for (int i = kFilePathLength; i < kResultSize; ++i)
            if (result[i] != L'#') return false;
        return true;
    }

    static const int kResultSize = kFilePathLength + 40;
    std::wstring folder, file, sub;
    wchar_t result[kResultSize];
};

bool EndsWithIgnoringCase(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() &&
           _wcsicmp(text.c_str() + text.size() - end.size(), end.c_str()) == 0;
}

TEST_F(FileSearch, FileExistsTellsFilesFromFolders) {
    EXPECT_EQ(FileExists(file.c_str()), 1);
    EXPECT_EQ(FileExists(sub.c_str()), -1);
    EXPECT_EQ(FileExists((sub + L"\\").c_str()), -1);
    EXPECT_EQ(FileExists((folder + L"\\missing.txt").c_str()), 0);
    EXPECT_EQ(FileExists(nullptr), 0);
    EXPECT_EQ(FileExists((L"\"" + file + L"\"").c_str()), 1);
    EXPECT_EQ(FileExists((L"\"" + std::wstring(400, L'a') + L"\"").c_str()), 0);
}

// Beside the folder first, then (by its file name only) along the system's
// search path; missing and overlong names are not found, and nothing is
// written past the path buffer.
TEST_F(FileSearch, FindsBesideTheFolderThenAlongTheSearchPath) {
    EXPECT_EQ(FindFile(result, folder.c_str(), L"data.txt"), static_cast<int>(file.size()));
    EXPECT_EQ(result, file);
    const std::wstring viaParent = sub + L"\\..\\data.txt";
    EXPECT_EQ(FindFile(result, sub.c_str(), L"..\\data.txt"), static_cast<int>(viaParent.size()));
    EXPECT_EQ(result, viaParent);
    EXPECT_GT(FindFile(result, nullptr, file.c_str()), 0);
    EXPECT_EQ(result, file);
    EXPECT_GT(FindFile(result, L"", L"Q:\\nowhere\\notepad.exe"), 0);
    EXPECT_TRUE(EndsWithIgnoringCase(result, L"\\notepad.exe")) << result;

    EXPECT_EQ(FindFile(result, folder.c_str(), L"zelmora_missing_7f3a.txt"), 0);
    EXPECT_STREQ(result, L"");
    EXPECT_EQ(FindFile(nullptr, folder.c_str(), L"data.txt"), 0);
    const std::wstring longFolder = L"C:\\" + std::wstring(250, L'd');
    EXPECT_EQ(FindFile(result, longFolder.c_str(), L"kernel32.dll"), 0);
    EXPECT_EQ(FindFile(result, L"", (std::wstring(300, L'n') + L".txt").c_str()), 0);
    EXPECT_STREQ(result, L"");
    EXPECT_TRUE(UntouchedPastThePathBuffer());
}

} // namespace
