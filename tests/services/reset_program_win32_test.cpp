// The reset program as the internet test starts it: started with its
// command line in its own folder, the keystroke lines typed into its
// console key by key, and a missing program reported.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/program_process.h"
#include "services/internet_platform.h"
#include "services/keystroke_text.h"
#include "support/error_report.h"

namespace {

class ResetProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = std::filesystem::path(scratch.Path(L"reset & co")).wstring();
        std::filesystem::create_directory(folder);
        program = folder + L"\\zelmora reset.exe";
        std::filesystem::copy_file(ZELMORA_RESET_RECORDER, program);
        TakePendingError();
    }
    // Runs the reset and waits for its end. Returns the outcome.
    ResetOutcome Run(const wchar_t* name, const wchar_t* commandLine, const wchar_t* keys) {
        KeystrokeLines lines;
        SplitKeystrokeText(keys, &lines);
        EXPECT_TRUE(StartResetProgram(name, commandLine, lines));
        EXPECT_FALSE(StartResetProgram(name, commandLine, lines)) << "one reset at a time";
        for (int waited = 0; waited < 30000 && ResetProgramRunning(); waited += 10)
            Sleep(10);
        message[0] = L'\0';
        return TakeResetOutcome(message, kErrorMessageLength);
    }
    ScratchFolder scratch;
    std::wstring folder;
    std::wstring program;
    wchar_t message[kErrorMessageLength];
};

// Each blank-separated word is typed as one line; a quoted token keeps its
// blank; escapes become their characters; every line ends in a carriage
// return with the Enter key's scan code.
TEST_F(ResetProgramTest, KeystrokesAreTypedLineByLine) {
    ASSERT_EQ(Run(program.c_str(), L"\"first arg\" second&third",
                  L"admin \"pass word\" say\\\"hi\\\" tab\\tx exit"),
              kResetStarted)
        << message;
    const std::wstring typed = L"admin\rpass word\rsay\"hi\"\rtab\tx\rexit\r";
    std::string command, folderSeen;
    std::wstring keys;
    WaitFor(
        [&] {
            const std::string record = scratch.Read(L"reset & co\\zelmora reset.exe.record");
            keys.clear();
            for (size_t start = 0, end; start < record.size(); start = end + 1) {
                end = std::min(record.find('\n', start), record.size());
                const std::string line = record.substr(start, end - start);
                int key = 0, scan = 0;
                unsigned character = 0;
                if (line.rfind("command: ", 0) == 0) command = line.substr(9);
                if (line.rfind("folder: ", 0) == 0) folderSeen = line.substr(8);
                if (std::sscanf(line.c_str(), "key: %d %d %u", &key, &scan, &character) == 3) {
                    keys += static_cast<wchar_t>(character);
                    if (character == L'\r') {
                        EXPECT_EQ(scan, 0x1C);
                    }
                }
            }
            return keys.size() >= typed.size();
        },
        10000);
    EXPECT_EQ(keys, typed);
    const std::string arguments = " \"first arg\" second&third";
    ASSERT_GE(command.size(), arguments.size());
    EXPECT_EQ(command.substr(command.size() - arguments.size()), arguments) << command;
    EXPECT_NE(command.find(Narrow(program)), std::string::npos) << command;
    EXPECT_EQ(folderSeen, Narrow(folder));
}

// A program that is not beside the folder nor along the search path (the
// search itself is FindFile's) is reported by the name it was given.
TEST_F(ResetProgramTest, AMissingProgramIsReported) {
    EXPECT_EQ(Run(L"zelmora reset.exe", L"quit-now", L""), kResetFailed);
    EXPECT_STREQ(message, L"File Not Found: \"zelmora reset.exe\"");
    EXPECT_FALSE(HasPendingError()) << "the window thread reports, not the worker";
}

} // namespace
