#include "app/selection_dialog_fields.h"

#include <commctrl.h>

#include <cwchar>
#include <initializer_list>

#include "app/coordinate_text.h"
#include "presentation/presentation_state.h"
#include "resources/resource_ids.h"

namespace {

// Set while the program writes into a field, whose EN_CHANGE is then not the user's.
bool writingField = false;

void WriteField(HWND dialog, int fieldId, const wchar_t* text) {
    writingField = true;
    SetDlgItemTextW(dialog, fieldId, text);
    writingField = false;
}

LRESULT CALLBACK CoordinateFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR subclassId, DWORD_PTR) {
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter is the field's own: the dialog must not press its default
        // button (Done) when the message loop hands it the key.
        const MSG* pending = reinterpret_cast<const MSG*>(lParam);
        if (pending != nullptr && pending->wParam == VK_RETURN &&
            (pending->message == WM_KEYDOWN || pending->message == WM_CHAR))
            return DLGC_WANTALLKEYS | DefSubclassProc(field, message, wParam, lParam);
        break;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            HWND dialog = GetParent(field);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_SEL_DISPLAY, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_SEL_DISPLAY)));
            return 0;
        }
        break;
    case WM_CHAR:
        // A single-line field would beep at the Enter character.
        if (wParam == VK_RETURN) return 0;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(field, CoordinateFieldProc, subclassId);
        break;
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

} // namespace

void WriteCoordinateFields(HWND dialog) {
    wchar_t text[64];
    FormatCoordinate(siteLatitude, text, 64);
    WriteField(dialog, IDC_SEL_LATITUDE, text);
    FormatCoordinate(siteLongitude, text, 64);
    WriteField(dialog, IDC_SEL_LONGITUDE, text);
}

void OnCoordinateFieldChange(HWND dialog, int fieldId) {
    if (writingField) return;
    HWND field = GetDlgItem(dialog, fieldId);
    if (field == nullptr) return;
    static wchar_t text[kCoordinateTextChars];
    static wchar_t kept[kCoordinateTextChars];
    GetWindowTextW(field, text, kCoordinateTextChars);
    DWORD selectionStart = 0, caret = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
                 reinterpret_cast<LPARAM>(&caret));

    const bool latitude = fieldId == IDC_SEL_LATITUDE;
    const CoordinateFilter filter = FilterCoordinateText(
        text, latitude ? kLatitudeLimit : kLongitudeLimit, kept, kCoordinateTextChars);
    for (int i = 0; i < filter.dropped; ++i)
        MessageBeep(0);
    if (latitude)
        siteLatitude = filter.value;
    else
        siteLongitude = filter.value;

    if (filter.dropped > 0) {
        WriteField(dialog, fieldId, kept);
        const int at = CaretAfterFilter(static_cast<int>(caret), filter.dropped,
                                        static_cast<int>(std::wcslen(kept)));
        SendMessageW(field, EM_SETSEL, at, at);
    }
}

void SubclassCoordinateFields(HWND dialog) {
    for (int fieldId : {IDC_SEL_LATITUDE, IDC_SEL_LONGITUDE})
        SetWindowSubclass(GetDlgItem(dialog, fieldId), CoordinateFieldProc, fieldId, 0);
}
