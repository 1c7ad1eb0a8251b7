// The "Internet Test Setup" dialog (template IDD_INTERNET_SETUP): the test
// addresses, the two tests and their times, the reset protocol with two
// examples and a trial reset. Every change takes effect at once; "Done",
// Esc and the close box end the dialog, start a test and keep its place.
// Windows only.
#pragma once

#include <windows.h>

// Runs the dialog modally, owned by `owner`, which receives command 8200
// after a trial reset.
void RunInternetSetupDialog(HWND owner);

// The two reset examples (1 and 2): sample data for the three reset fields.
void LoadResetExample(int example);
