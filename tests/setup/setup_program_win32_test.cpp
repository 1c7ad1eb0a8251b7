// The setup program, as a user (or the update check) runs it: a silent
// install into a folder of this test, the installed program starting from
// there, a second install over the running program, and a silent uninstall
// that keeps the settings file.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/program_process.h"

namespace {

const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelmora";

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
bool Gone(const std::wstring& path) {
    return WaitFor([&] { return !Exists(path); }, 15000);
}

std::wstring Shortcut() {
    wchar_t programs[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs);
    return std::wstring(programs) + L"\\Zelmora\\Zelmora.lnk";
}

std::wstring RegisteredLocation() {
    wchar_t value[MAX_PATH] = L"";
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, L"InstallLocation", RRF_RT_REG_SZ, nullptr,
                     value, &size) != ERROR_SUCCESS)
        return L"";
    return value;
}

TEST(SetupProgram, InstallsStartsReinstallsOverTheRunningProgramAndUninstalls) {
#ifndef ZELMORA_SETUP
    GTEST_SKIP() << "no setup program was built (makensis is missing)";
#else
    ScratchFolder folder;
    // A folder with a blank in its name, as "/D=" takes it: last and unquoted.
    const std::wstring target = folder.Path(L"My Zelmora");
    const std::wstring setup =
        L"\"" + std::filesystem::path(ZELMORA_SETUP).wstring() + L"\" /S /D=";
    const std::wstring program = target + L"\\Zelmora.exe";

    ASSERT_EQ(RunToEnd(setup + target), 0);
    EXPECT_TRUE(Exists(program));
    EXPECT_EQ(std::filesystem::file_size(program), std::filesystem::file_size(ZELMORA_EXE));
    EXPECT_TRUE(Exists(target + L"\\Uninstall.exe"));
    EXPECT_TRUE(Exists(Shortcut()));
    EXPECT_EQ(RegisteredLocation(), target);

    // The installed program runs from its folder and keeps its settings there.
    ASSERT_EQ(RunToEnd(L"\"" + program + L"\" UPDATESITE=OFF;DT24;EXIT", target), 0);
    EXPECT_TRUE(Exists(target + L"\\Zelmora.ini"));

    // A second install closes the running program and replaces it.
    HANDLE running = StartCommand(L"\"" + program + L"\" UPDATESITE=OFF", target);
    ASSERT_NE(running, nullptr);
    EXPECT_NE(WindowOfProcess(running, L"ZELMORA", nullptr, 30000), nullptr);
    EXPECT_EQ(RunToEnd(setup + target), 0);
    EXPECT_EQ(WaitForSingleObject(running, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
    TerminateProcess(running, 1);
    CloseHandle(running);
    EXPECT_TRUE(Exists(program));

    // The uninstaller runs from a copy of itself and is gone with the rest;
    // the settings file stays.
    EXPECT_EQ(RunToEnd(L"\"" + target + L"\\Uninstall.exe\" /S", target), 0);
    EXPECT_TRUE(Gone(program));
    EXPECT_TRUE(Gone(target + L"\\Uninstall.exe"));
    EXPECT_TRUE(Gone(Shortcut()));
    EXPECT_TRUE(Exists(target + L"\\Zelmora.ini"));
    // The uninstaller removes its registry entry last.
    EXPECT_TRUE(WaitFor([] { return RegisteredLocation().empty(); }, 15000))
        << RegisteredLocation();
#endif
}

} // namespace
