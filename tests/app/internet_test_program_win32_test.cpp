// Zelmora.exe with error logging and test addresses on 127.0.0.1 in its
// settings file: the log records the start, the internet state as servers
// answer and stop, a reset after the outage, and the stop at exit; "View
// Error Log" opens the log with the program associated with .csv, or says
// that there is none.
#include "services/loopback_http_server.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "services/view_error_log.h"
#include "support/error_log.h"
#include "support/error_report.h"
#include "app/program_process.h"

namespace {

TEST(InternetTestProgram, TheLogFollowsTheServersAndAnOutageBringsAReset) {
    ScratchFolder folder;
    std::filesystem::copy_file(ZELMORA_EXE, folder.Path(L"Zelmora.exe"));
    std::filesystem::copy_file(ZELMORA_RESET_RECORDER, folder.Path(L"reset.exe"));
    std::vector<std::unique_ptr<LoopbackHttpServer>> servers;
    for (ServerBehaviour b :
         {ServerBehaviour::kAnswer, ServerBehaviour::kAnswerLate, ServerBehaviour::kRefuse,
          ServerBehaviour::kCloseMidAnswer, ServerBehaviour::kRefuse})
        servers.push_back(std::make_unique<LoopbackHttpServer>(b));
    std::string settings = "[INTERNET]\nIT=30\nIDT=5\nIDT\nIDP=\"" +
                           Narrow(folder.Path(L"reset.exe")) + "\"\nIDC=quit-now\n";
    for (size_t i = 0; i < servers.size(); ++i)
        settings += "EU" + std::to_string(i + 1) + "=" + Narrow(servers[i]->Address()) + "\n";
    settings += "[LOG_ERRORS]\nEL\n";
    for (char& c : settings)
        if (c == '\\') c = '/'; // read back as the same path
    folder.WriteText(L"Zelmora.ini", settings);

    // A hundred times faster: the interval is 0.3 s, the down time 3 s.
    SetEnvironmentVariableW(L"ZELMORA_TEST_TIME_DIVISOR", L"100");
    HANDLE process = StartProgram(folder, L"");
    ASSERT_NE(process, nullptr);
    const auto logHas = [&](const std::string& text) {
        return folder.ReadText(L"Zelmora_log.csv").find(text) != std::string::npos;
    };
    EXPECT_TRUE(WaitFor([&] { return logHas(",Info,Up,Up (3)\n"); }, 15000));
    for (auto& server : servers)
        server->Stop();
    EXPECT_TRUE(WaitFor([&] { return logHas(",Info,Up,Down\n"); }, 10000));
    EXPECT_TRUE(WaitFor([&] { return logHas(",Internet Reset,Up,Down\n"); }, 15000));
    EXPECT_TRUE(WaitFor([&] { return folder.Exists(L"reset.exe.record"); }, 5000));

    HWND window = WindowOfProcess(process, L"ZELMORA", nullptr);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process, 20000), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(process);

    const std::string log = folder.ReadText(L"Zelmora_log.csv");
    EXPECT_EQ(log.rfind("Date,Time,Day,Type,LAN,Internet,Message\n", 0), 0u) << log;
    const size_t start = log.find(",Start,Up,");
    const size_t up = log.find(",Info,Up,Up (3)\n");
    const size_t down = log.find(",Info,Up,Down\n");
    const size_t reset = log.find(",Internet Reset,Up,Down\n");
    const size_t stop = log.find(",Stop,Up,");
    EXPECT_TRUE(start < up && up < down && down < reset && reset < stop &&
                stop != std::string::npos)
        << log;
    // The settings file keeps logging on for the next run.
    EXPECT_NE(folder.ReadText(L"Zelmora.ini").find("[LOG_ERRORS]\nEL\n"), std::string::npos);
}

// The shell opens the log as a file, whatever its path holds; a missing log
// is reported.
TEST(InternetTestProgram, ViewErrorLogOpensTheLogWithItsAssociatedProgram) {
    HKEY existing = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L".csv", 0, KEY_READ, &existing) == ERROR_SUCCESS) {
        RegCloseKey(existing);
        GTEST_SKIP() << "this system has a program for .csv files";
    }
    ScratchFolder scratch;
    const std::wstring folder = scratch.Path(L"log & more");
    std::filesystem::create_directory(folder);
    ASSERT_TRUE(SetLogProgramFile((folder + L"\\Zelmora.exe").c_str()));
    TakePendingError();
    EXPECT_EQ(ViewErrorLog(), 0);
    EXPECT_EQ(std::wstring(PendingError().message),
              L"File Not Found: \"" + folder + L"\\Zelmora_log.csv\"");
    TakePendingError();
    scratch.WriteText(L"log & more\\Zelmora_log.csv", "Date,Time,Day,Type,LAN,Internet\n");

    // A program for .csv files in this prefix, for this test only.
    const std::wstring viewer = scratch.Path(L"viewer.exe");
    std::filesystem::copy_file(ZELMORA_RESET_RECORDER, viewer);
    const std::wstring command = L"\"" + viewer + L"\" quit-now \"%1\"";
    for (const auto& [key, value] :
         {std::make_pair(L".csv", std::wstring(L"ZelmoraTestLog")),
          std::make_pair(L"ZelmoraTestLog\\shell\\open\\command", command)})
        ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    EXPECT_EQ(ViewErrorLog(), 1) << PendingError().message;
    EXPECT_TRUE(WaitFor([&] { return !scratch.Read(L"viewer.exe.record").empty(); }, 10000));
    const std::string recorded = scratch.Read(L"viewer.exe.record");
    EXPECT_NE(recorded.find("quit-now \"" + Narrow(folder) + "\\Zelmora_log.csv\""),
              std::string::npos)
        << recorded;
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"ZelmoraTestLog");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".csv");
    TakePendingError();
}

} // namespace
