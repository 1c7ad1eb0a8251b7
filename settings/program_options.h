// The program's option flags that the [OPTIONS] commands set, kept
// program-wide: the main window reads them, the command language writes them.
#pragma once

// 1: errors are shown in red in the status bar ("SD"); 0: in a message box
// ("SDO"). The "&Status Bar" menu option toggles it.
extern int statusBarOn;
// 1 once the command line asked the program to end (EXIT or QUIT).
extern int exitRequested;
