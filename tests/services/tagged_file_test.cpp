#include "services/tagged_file.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "support/error_report.h"
#include "support/test_files.h"

namespace {

// What one run of a reference gave: its data lines, whether it ended well,
// and the message it left.
struct RunOutcome {
    std::vector<std::wstring> lines;
    bool ok;
    std::wstring message;
    int category;
};

RunOutcome RunReference(const wchar_t* reference) {
    static TaggedFileCursor cursor;
    static wchar_t line[kTaggedTextLength];
    TakePendingError();
    RunOutcome outcome{{}, true, L"", 0};
    if (BeginTaggedRun(reference, &cursor, line) < 0) {
        outcome.ok = false;
    } else {
        const wchar_t* content = nullptr;
        int next;
        while ((next = NextTaggedDataLine(&cursor, line, &content)) > 0)
            outcome.lines.push_back(content);
        outcome.ok = next == 0;
    }
    ErrorState error = TakePendingError();
    outcome.message = error.message;
    outcome.category = error.category;
    return outcome;
}

class TaggedFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.Enter();
        folder.WriteText(L"script.txt", "first\n"
                                        ":alpha second\n"
                                        "  third\n"
                                        "beta: fourth\n"
                                        "fifth // a comment\n");
        folder.WriteText(L"empty.txt", "");
        ResetTaggedTracking();
    }
    void TearDown() override {
        ResetTaggedTracking();
        TakePendingError();
    }
    ScratchFolder folder;
};

// A run of a reference, with the script written to "s.txt" first (or the
// five-line "script.txt" when there is none): its data lines and the start
// of its message (null when it ends well).
struct RunCase {
    const char* script;
    const wchar_t* reference;
    std::vector<std::wstring> lines;
    const wchar_t* message;
};

TEST_F(TaggedFileTest, ReferencesAndScriptCommandsDeliverTheirLines) {
    const std::vector<std::wstring> all = {L"first", L"second", L"third", L"fourth", L"fifth"};
    std::vector<std::wstring> twice = all;
    twice.insert(twice.end(), all.begin(), all.end());
    const std::vector<std::wstring> loop = {L"start", L"body", L"body", L"body", L"end"};
    std::vector<std::wstring> loopTwice = loop;
    loopTwice.insert(loopTwice.end(), loop.begin(), loop.end());
    const RunCase cases[] = {
        // The references of every form.
        {nullptr, L"<script.txt", all, nullptr},
        {nullptr, L"<script.txt@3=2", {L"third", L"third"}, nullptr},
        {nullptr, L"<script.txt=2", twice, nullptr},
        {nullptr, L"<script.txt@2:4", {L"second", L"third", L"fourth"}, nullptr},
        {nullptr, L"<script.txt@4:", {L"fourth", L"fifth"}, nullptr},
        {nullptr, L"<script.txt@alpha:beta", {L"second", L"third", L"fourth"}, nullptr},
        {nullptr, L"<script.txt@BETA - 1", {L"third"}, nullptr},
        {nullptr, L"<empty.txt", {}, nullptr},
        {nullptr, L" < script.txt @ 2 : 2 = 2 ", {L"second", L"second"}, nullptr},
        {nullptr, L"\"<script.txt@2\"", {L"second"}, nullptr},
        {nullptr, L"LATITUDE=1 // no reference", {L"LATITUDE=1 // no reference"}, nullptr},
        {nullptr, L"first: LATITUDE=1", {L"LATITUDE=1"}, nullptr}, // the tag rule holds too
        // Bad references.
        {nullptr, L"<script.txt@5:2", {}, L"File Tag1>Tag2: 5 > &ld"},
        {nullptr, L"<script.txt@0", {}, L"Line Number < 1: 0"},
        {nullptr, L"<script.txt@alpha-5", {}, L"Invalid Line #: -3: "},
        {nullptr, L"<script.txt@gamma+1", {}, L"Tag Not Found: gamma+1"},
        {nullptr, L"<missing.txt", {}, L"Unable to Open Input File: \"missing.txt\""},
        {nullptr, L"<script.txt=0", {}, L"Invalid # in file=# format: \"script.txt=0\""},
        {nullptr, L"<script.txt=99999999999", {}, L"Invalid # in file=# format: \"script.txt=9"},
        {nullptr,
         L"<script.txt@3:7",
         {L"third", L"fourth", L"fifth"},
         L"Invalid Line #: 6:  at line 5 in \"script.txt\""}, // the run reaches past the end
        {nullptr, L"FCALL x", {}, L"FileCall Valid only in <File Mode"},
        // Calls, loops, jumps and the ends of a run.
        {"FCALL sub\nafter\nfilestop\nsub: in sub\nfIlErEtUrN\n",
         L"<s.txt",
         {L"in sub", L"after", L""},
         nullptr},
        {"start\n:top body\nFLOOP0=3 top\nend\n", L"<s.txt=2", loopTwice, nullptr},
        {"one\nFLOOP [1] = 2, .-1\n", L"<s.txt", {L"one", L"one", L""}, nullptr},
        {"FGOTO end\nskipped\n:end landed\n", L"<s.txt", {L"landed"}, nullptr},
        {"FGOTOx 1\nFCALL\nFRETURNx\n", L"<s.txt", {L"FGOTOx 1", L"FCALL", L"FRETURNx"}, nullptr},
        {"a\nFABORT\nb\n", L"<s.txt", {L"a"}, L"FileAbort - Execution Terminated at line 2"},
        {"FRETURN\n", L"<s.txt", {}, L"Too many FileReturn commands"},
        {":a FCALL a\n", L"<s.txt", {}, L"FileCall Maximum Nesting Exceeded (4 Max)"},
        {"FLOOP0=0 1\n", L"<s.txt", {}, L"FileLoop Count < 1: 0"},
        {"F_FILE=X\n", L"<s.txt", {}, L"File_File specifier: (N, T, F): \"X\""},
        {"FGOTO 2\n:x FGOTO x\n", L"<s.txt", {}, L"Too Many Line Visits in One Run (100000 Max)"},
        // Comments and line ends cut, tags skipped.
        {"SD // status bar\nTIMEZONE=\"a//b\"\n  :tag ;  DT24\ntag2:\n_under: LATITUDE=1\n"
         "name:x\nFxyz\n",
         L"<s.txt",
         {L"SD", L"TIMEZONE=\"a", L"DT24", L"", L"LATITUDE=1", L"name:x", L"Fxyz"},
         nullptr},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.script != nullptr ? c.script : "");
        if (c.script != nullptr) folder.WriteText(L"s.txt", c.script);
        const RunOutcome outcome = RunReference(c.reference);
        EXPECT_EQ(outcome.lines, c.lines) << c.reference;
        EXPECT_EQ(outcome.ok, c.message == nullptr) << c.reference;
        if (c.message == nullptr) {
            EXPECT_EQ(outcome.message, L"") << c.reference;
            continue;
        }
        EXPECT_EQ(outcome.message.substr(0, std::wcslen(c.message)), c.message) << c.reference;
        EXPECT_EQ(outcome.category, kErrorTaggedFile) << c.reference;
    }
}

TEST_F(TaggedFileTest, LoopsThatNeverEndAreStoppedByTheVisitBound) {
    // Nested loops sharing a loop number keep resetting each other.
    folder.WriteText(L"s.txt", ":outer a\n:inner b\nFLOOP0=2 inner\nFLOOP0=2 outer\n");
    RunOutcome outcome = RunReference(L"<s.txt");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message.rfind(L"Too Many Line Visits in One Run (100000 Max) at line ", 0),
              0u)
        << outcome.message;
    EXPECT_EQ(outcome.category, kErrorTaggedFile);
}

TEST_F(TaggedFileTest, TheTrackingFileRecordsEveryStep) {
    folder.WriteText(L"track.txt", "F_FILE=N\nhello\n:again FCALL sub\nFSTOP\n:sub FRETURN\n");
    RunOutcome outcome = RunReference(L"<track.txt");
    EXPECT_TRUE(outcome.ok) << outcome.message;
    EXPECT_TRUE(TaggedTrackingOn());
    // Tracking lasts across runs; F_FILE=F ends it and is traced itself.
    folder.WriteText(L"off.txt", "F_FILE = f\nunseen\n");
    EXPECT_TRUE(RunReference(L"<off.txt").ok);
    EXPECT_FALSE(TaggedTrackingOn());

    const std::string text = folder.ReadText(L"DefaultTrackingFile.txt");
    const std::regex expected("//File_Tracking_file\n"
                              "//.* Tagged File Spec: \"track.txt\": Lines 1 to 5\n"
                              "t=0\\.000s Line 1: File_File=N\n"
                              "t=\\d+\\.\\d{3}s Line 2: FileText: hello\n"
                              "t=\\d+\\.\\d{3}s Line 3: FileCall sub\n"
                              "t=\\d+\\.\\d{3}s Line 5: FileReturn\n"
                              "t=\\d+\\.\\d{3}s Line 4: FileStop\n"
                              "//.* Tagged File Spec: \"off.txt\": Lines 1 to 2\n"
                              "t=\\d+\\.\\d{3}s Line 1: File_File=F\n");
    EXPECT_TRUE(std::regex_match(text, expected)) << text;

    // "T" appends to the file as it is; "N" starts it anew.
    folder.WriteText(L"on.txt", "F_FILE=T\nagain\nF_FILE=F\n");
    EXPECT_TRUE(RunReference(L"<on.txt").ok);
    const std::string appended = folder.ReadText(L"DefaultTrackingFile.txt");
    EXPECT_EQ(appended.rfind(text, 0), 0u);
    EXPECT_NE(appended.find("Line 2: FileText: again\n"), std::string::npos) << appended;
}

} // namespace
