#include "services/help_text_output.h"

#include <commdlg.h>

#include <cstdio>
#include <memory>
#include <new>

#include "presentation/print.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "support/file_system.h"
#include "support/text_lines.h"
#include "ui/win32_support.h"

namespace {

// The help text's file as Save As chose it last; emptied when writing failed.
wchar_t savedHelpPath[MAX_PATH] = L"";

} // namespace

bool WriteHelpTextFile(HWND edit, const wchar_t* path) {
    if (edit == nullptr) return false;
    SendMessageW(edit, EM_FMTLINES, FALSE, 0);
    const int length = GetWindowTextLengthW(edit);
    std::unique_ptr<wchar_t[]> text(new (std::nothrow) wchar_t[length + 1]);
    if (!text) {
        ReportError(L"Insufficient Memory Storage");
        return false;
    }
    GetWindowTextW(edit, text.get(), length + 1);
    // The control's own CR LF line ends, written as they are.
    const bool written = WriteFileReplacing(
        path, "wb",
        [](FILE* file, void* context) {
            return WriteTextUtf8(file, static_cast<const wchar_t*>(context));
        },
        text.get());
    if (!written) ReportError(L"Failed Save As File: %ls", path);
    return written;
}

void SaveHelpTextAs(HWND owner, HWND text) {
    OPENFILENAMEW dialog{};
    wchar_t path[MAX_PATH];
    CopyText(path, MAX_PATH, savedHelpPath[0] != L'\0' ? savedHelpPath : L"Zelmora_Help.txt");
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"Text Files (*.txt)\0*.txt\0All Files (*.*)\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = L"Save As Help File";
    dialog.lpstrDefExt = L"txt";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_LONGNAMES | OFN_EXPLORER;
    if (!GetSaveFileNameW(&dialog)) return;
    CopyText(savedHelpPath, MAX_PATH, path);
    if (!WriteHelpTextFile(text, path)) savedHelpPath[0] = L'\0';
}

void PrintHelpText(HWND owner, HWND text) {
    bool cancelled = false;
    HDC printer = PrinterContext(owner, kPrintAskUser, &cancelled, L"Print Help File");
    if (printer == nullptr) return;
    PrintDocument(printer, L"Zelmora Help", text, false);
    DeleteDC(printer);
}
