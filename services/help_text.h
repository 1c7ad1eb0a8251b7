// The help text: the program information followed by the topics, in the
// order the help window shows them, and the topic headings that the Help
// menu asks for. Every topic begins with its heading line: blanks, then
// "*** <title> ***".
#pragma once

enum HelpTopic {
    kHelpMainDisplay,
    kHelpHelpDisplay,
    kHelpFileMenu,
    kHelpOptionsMenu,
    kHelpSunTimesMenu,
    kHelpInternetTestSetup,
    kHelpCommandLine,
    kHelpIniFile,
    kHelpTaggedFile,
    kHelpTaggedFileCommands,
    kHelpTopicCount,
};

// "*** Main Display ***" and so on. No block of the text carries the
// heading of kHelpIniFile.
extern const wchar_t* const kHelpTopicHeadings[kHelpTopicCount];

enum { kHelpBlockLimit = 32 };

// Fills the list of text blocks: `programInformation` (kept by pointer; it
// must live as long as the text is used), the separators and every topic.
void BuildHelpText(const wchar_t* programInformation);
int HelpBlockCount();
const wchar_t* HelpBlock(int index);

// The blocks joined into one new text (free it with delete[]): room for
// their lengths, 2 more per block and 100, as the help window fills its
// view. Null after "Insufficient Memory Storage" was reported.
wchar_t* JoinHelpText();
