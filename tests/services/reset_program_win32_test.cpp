// The reset program as the internet test starts it: found by its path or
// along the search path, started with its command line in its own folder,
// and the keystroke lines typed into its console, key by key.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "services/internet_platform.h"
#include "services/keystroke_text.h"
#include "support/error_report.h"
#include "support/test_files.h"

namespace {

struct Recorded {
    std::string command;
    std::string folder;
    std::vector<int> scanCodes;
    std::wstring typed;
};

// The record the recorder program wrote.
Recorded ReadRecord(const std::string& text) {
    Recorded recorded;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        if (line.rfind("command: ", 0) == 0) recorded.command = line.substr(9);
        if (line.rfind("folder: ", 0) == 0) recorded.folder = line.substr(8);
        int key = 0, scan = 0;
        unsigned character = 0;
        if (std::sscanf(line.c_str(), "key: %d %d %u", &key, &scan, &character) == 3) {
            recorded.scanCodes.push_back(scan);
            recorded.typed += static_cast<wchar_t>(character);
        }
        start = end + 1;
    }
    return recorded;
}

std::string Narrow(const std::wstring& text) {
    return std::filesystem::path(text).u8string();
}

class ResetProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::path(scratch.Path(L"reset & co")).wstring();
        std::filesystem::create_directory(folder_);
        program = folder_ + L"\\zelmora reset.exe";
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
    Recorded WaitForRecord(size_t keys) {
        Recorded recorded;
        for (int waited = 0; waited < 10000; waited += 20) {
            recorded = ReadRecord(scratch.Read(L"reset & co\\zelmora reset.exe.record"));
            if (!recorded.command.empty() && recorded.typed.size() >= keys) break;
            Sleep(20);
        }
        return recorded;
    }
    ScratchFolder scratch;
    std::wstring folder_;
    std::wstring program;
    wchar_t message[kErrorMessageLength];
};

// Each blank-separated word is typed as one line; a quoted token keeps its
// blank; escapes become their characters; every line ends in a carriage
// return with its scan code.
TEST_F(ResetProgramTest, KeystrokesAreTypedLineByLine) {
    ASSERT_EQ(Run(program.c_str(), L"\"first arg\" second&third",
                  L"admin \"pass word\" say\\\"hi\\\" tab\\tx exit"),
              kResetStarted)
        << message;
    const std::wstring typed = L"admin\rpass word\rsay\"hi\"\rtab\tx\rexit\r";
    const Recorded recorded = WaitForRecord(typed.size());
    EXPECT_EQ(recorded.typed, typed);
    ASSERT_EQ(recorded.scanCodes.size(), typed.size());
    for (size_t i = 0; i < typed.size(); ++i)
        EXPECT_EQ(recorded.scanCodes[i], typed[i] == L'\r' ? 0x1C : static_cast<int>(typed[i]))
            << i;
    const std::string command = recorded.command;
    const std::string arguments = " \"first arg\" second&third";
    ASSERT_GE(command.size(), arguments.size());
    EXPECT_EQ(command.substr(command.size() - arguments.size()), arguments) << command;
    EXPECT_NE(command.find(Narrow(program)), std::string::npos) << command;
    EXPECT_EQ(recorded.folder, Narrow(folder_));
}

struct LocateCase {
    std::wstring name;
    bool onSearchPath;
    ResetOutcome outcome;
    std::wstring message;
};

// With a drive the program must be exactly there; without one it is looked
// up along the search path.
TEST_F(ResetProgramTest, TheProgramIsFoundByItsPathOrTheSearchPath) {
    const std::wstring missing = folder_ + L"\\missing\\zelmora reset.exe";
    const LocateCase cases[] = {
        {program, false, kResetStarted, L""},
        {L"zelmora reset.exe", true, kResetStarted, L""},
        {L"zelmora reset.exe", false, kResetFailed, L"File Not Found: \"zelmora reset.exe\""},
        {missing, true, kResetFailed, L"File Not Found: \"" + missing + L"\""},
    };
    wchar_t path[32768];
    GetEnvironmentVariableW(L"PATH", path, 32768);
    const std::wstring original = path;
    for (const LocateCase& c : cases) {
        SetEnvironmentVariableW(L"PATH", c.onSearchPath ? (folder_ + L";" + original).c_str()
                                                        : original.c_str());
        EXPECT_EQ(Run(c.name.c_str(), L"quit-now", L""), c.outcome) << Narrow(c.name);
        EXPECT_EQ(std::wstring(message), c.message);
    }
    SetEnvironmentVariableW(L"PATH", original.c_str());
    EXPECT_FALSE(HasPendingError()) << "the window thread reports, not the worker";
}

} // namespace
