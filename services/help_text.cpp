#include "services/help_text.h"

#include <cwchar>
#include <initializer_list>
#include <new>

#include "services/help_text_data.h"
#include "support/bounded_format.h"
#include "support/error_report.h"

const wchar_t* const kHelpTopicHeadings[kHelpTopicCount] = {
    L"*** Main Display ***",
    L"*** Help Display ***",
    L"*** File Menu ***",
    L"*** Options Menu ***",
    L"*** Sun Times Menu ***",
    L"*** Internet Test Setup ***",
    L"*** Command Line and File Open Commands ***",
    L"*** INI File ***",
    L"*** Tagged File ***",
    L"*** Tagged File Imbedded Commands ***",
};

namespace {

// The blocks are kept by pointer: the separators live as long as the program.
const wchar_t kTopicBreak[] = L"\r\n\r\n";
const wchar_t kInformationBreak[] = L"\r\n\r\n\r\n";
const wchar_t kReferenceBreak[] = L"\r\n";

const wchar_t* blocks[kHelpBlockLimit] = {};
int blockCount = 0;

void Add(const wchar_t* block) {
    if (blockCount < kHelpBlockLimit) blocks[blockCount++] = block;
}

} // namespace

void BuildHelpText(const wchar_t* programInformation) {
    blockCount = 0;
    Add(programInformation != nullptr ? programInformation : L"");
    Add(kInformationBreak);
    Add(kHelpText_help_display);
    for (const wchar_t* topic :
         {kHelpText_main_display, kHelpText_file_menu, kHelpText_options_menu,
          kHelpText_sun_times_menu, kHelpText_internet_test_setup, kHelpText_command_line}) {
        Add(kTopicBreak);
        Add(topic);
    }
    Add(kReferenceBreak);
    Add(kHelpText_command_reference);
    for (const wchar_t* topic : {kHelpText_tagged_file, kHelpText_tagged_file_commands}) {
        Add(kTopicBreak);
        Add(topic);
    }
}

int HelpBlockCount() {
    return blockCount;
}

const wchar_t* HelpBlock(int index) {
    return index >= 0 && index < blockCount ? blocks[index] : nullptr;
}

wchar_t* JoinHelpText() {
    size_t capacity = 100;
    for (int i = 0; i < blockCount; ++i)
        capacity += std::wcslen(blocks[i]) + 2;
    wchar_t* text = new (std::nothrow) wchar_t[capacity];
    if (text == nullptr) {
        ReportError(L"Insufficient Memory Storage");
        return nullptr;
    }
    // The bounded formatter takes an int capacity; the text stays far below it.
    int length = 0;
    text[0] = L'\0';
    for (int i = 0; i < blockCount; ++i)
        AppendText(text, static_cast<int>(capacity), length, L"%ls", blocks[i]);
    return text;
}
