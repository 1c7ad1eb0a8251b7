#include "services/internet_setup_dialog.h"

#include <commctrl.h>

#include "resources/resource_ids.h"
#include "services/internet_test.h"
#include "settings/window_placement.h"
#include "settings/window_positions.h"
#include "support/bounded_format.h"

namespace {

struct ResetExample {
    const wchar_t* program;
    const wchar_t* commandLine;
    const wchar_t* keystrokes;
};

// A telnet client that logs into the gateway and reboots it; a power
// control program that switches the modem's outlet off and on.
const ResetExample kExamples[2] = {
    {L"C:\\Windows\\System32\\telnet.exe", L"-t vt100 192.168.1.1",
     L"admin \"my password\" reboot exit"},
    {L"C:\\Program Files\\Power Control\\powerctl.exe",
     L"-outlet 2 off -wait 30 -outlet 2 on -exit", L""},
};

const int kAddressEdits[kInternetAddressCount] = {IDC_NET_URL1, IDC_NET_URL2, IDC_NET_URL3,
                                                  IDC_NET_URL4, IDC_NET_URL5};

// Without a remembered place: over the owner, this far from its top left.
enum { kPlaceFromLeft = 60, kPlaceFromTop = 60 };

// The example that the example button loads next (0 or 1), for the run.
int nextExample = 0;
// True while the dialog's controls are being filled: their change
// notifications are not the user's.
bool filling = false;

wchar_t* ResetField(int control) {
    switch (control) {
    case IDC_NET_PROGRAM:
        return internetSettings.resetProgram;
    case IDC_NET_COMMAND_LINE:
        return internetSettings.resetCommandLine;
    case IDC_NET_KEYSTROKES:
        return internetSettings.resetKeystrokes;
    default:
        break;
    }
    for (int i = 0; i < kInternetAddressCount; ++i)
        if (control == kAddressEdits[i]) return internetSettings.addresses[i];
    return nullptr;
}

void LabelExampleButton(HWND dialog) {
    wchar_t label[40];
    FormatText(label, 40, L"Reset Protocol Example: %d", nextExample + 1);
    SetDlgItemTextW(dialog, IDC_NET_EXAMPLE, label);
}

void Fill(HWND dialog) {
    filling = true;
    const InternetSettings& s = internetSettings;
    const int texts[] = {IDC_NET_URL1, IDC_NET_URL2,    IDC_NET_URL3,         IDC_NET_URL4,
                         IDC_NET_URL5, IDC_NET_PROGRAM, IDC_NET_COMMAND_LINE, IDC_NET_KEYSTROKES};
    for (int control : texts)
        SetDlgItemTextW(dialog, control, ResetField(control));
    CheckDlgButton(dialog, IDC_NET_TEST, s.testEnabled ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_NET_DOWN_TEST, s.downTestEnabled ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageW(dialog, IDC_NET_INTERVAL_SPIN, UDM_SETPOS32, 0, s.intervalMs / 1000);
    SendDlgItemMessageW(dialog, IDC_NET_DOWN_TIME_SPIN, UDM_SETPOS32, 0, s.downTimeMs / 60000);
    filling = false;
}

// The spinner's position when its edit holds a number in its range.
bool SpinnerPosition(HWND dialog, int spinner, int* position) {
    BOOL failed = FALSE;
    const LRESULT value =
        SendDlgItemMessageW(dialog, spinner, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed));
    if (failed) return false;
    *position = static_cast<int>(value);
    return true;
}

void TakeTimes(HWND dialog) {
    int position = 0;
    if (SpinnerPosition(dialog, IDC_NET_INTERVAL_SPIN, &position))
        internetSettings.intervalMs = position * 1000;
    if (SpinnerPosition(dialog, IDC_NET_DOWN_TIME_SPIN, &position))
        internetSettings.downTimeMs = position * 60000;
}

void Finish(HWND dialog) {
    TakeTimes(dialog);
    CloseInternetSession();
    StartInternetTest();
    StorePosition(dialog, kPositionInternetSetup);
    EndDialog(dialog, IDC_NET_DONE);
}

void OnCommand(HWND dialog, int control, int notification) {
    InternetSettings& s = internetSettings;
    switch (control) {
    case IDC_NET_DONE:
    case IDCANCEL: // Esc and the close box: the changes are kept all the same
        Finish(dialog);
        return;
    case IDC_NET_TEST:
        if (IsDlgButtonChecked(dialog, IDC_NET_TEST) == BST_CHECKED) {
            s.testEnabled = true;
            TestAtNextTick();
        } else {
            SwitchTestOff();
        }
        Fill(dialog);
        return;
    case IDC_NET_DOWN_TEST:
        s.downTestEnabled = IsDlgButtonChecked(dialog, IDC_NET_DOWN_TEST) == BST_CHECKED;
        if (s.downTestEnabled) {
            s.testEnabled = true;
            TestAtNextTick();
        }
        Fill(dialog);
        return;
    case IDC_NET_INTERVAL:
    case IDC_NET_DOWN_TIME:
        if (notification == EN_CHANGE && !filling) TakeTimes(dialog);
        return;
    case IDC_NET_DEFAULTS:
        ApplyInternetDefaults();
        Fill(dialog);
        return;
    case IDC_NET_EXAMPLE:
        LoadResetExample(nextExample + 1);
        nextExample = 1 - nextExample;
        LabelExampleButton(dialog);
        Fill(dialog);
        return;
    case IDC_NET_TEST_RESET:
        RunTrialReset();
        SendMessageW(GetWindow(dialog, GW_OWNER), WM_COMMAND, IDM_INTERNET_RESET_DONE, 0);
        Fill(dialog);
        return;
    default:
        break;
    }
    wchar_t* field = ResetField(control);
    if (field != nullptr && notification == EN_CHANGE && !filling)
        GetDlgItemTextW(dialog, control, field, kInternetTextLength);
}

INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        PlaceWindow(GetWindow(dialog, GW_OWNER), dialog, kPositionInternetSetup, kPlaceFromLeft,
                    kPlaceFromTop);
        for (int control = IDC_NET_PROGRAM; control <= IDC_NET_URL5; ++control)
            SendDlgItemMessageW(dialog, control, EM_SETLIMITTEXT, kInternetTextLength - 1, 0);
        SendDlgItemMessageW(dialog, IDC_NET_INTERVAL_SPIN, UDM_SETRANGE32, kTestIntervalMinSeconds,
                            kTestIntervalMaxSeconds);
        SendDlgItemMessageW(dialog, IDC_NET_DOWN_TIME_SPIN, UDM_SETRANGE32, kDownTimeMinMinutes,
                            kDownTimeMaxMinutes);
        LabelExampleButton(dialog);
        Fill(dialog);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void LoadResetExample(int example) {
    const ResetExample& e = kExamples[example == 2 ? 1 : 0];
    CopyText(internetSettings.resetProgram, kInternetTextLength, e.program);
    CopyText(internetSettings.resetCommandLine, kInternetTextLength, e.commandLine);
    CopyText(internetSettings.resetKeystrokes, kInternetTextLength, e.keystrokes);
}

void RunInternetSetupDialog(HWND owner) {
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_INTERNET_SETUP), owner,
                    SetupDialogProc, 0);
}
