// The program update check: once per run, on a thread of its own, it reads
// the update site's home page for the release directory ("Update_Directory_V"),
// reads that directory's page for the newest release of this program
// ("Zelmora_V2-67"), and when that is newer than this one downloads its
// setup program ("Zelmora_V2-67_Setup.exe") next to the program and turns
// menu item and toolbar button 9525 into the install item. The thread never
// reports an error: every failure only sets the update state. Windows only.
#pragma once

#include <atomic>

#include "services/update_release.h"
#include "support/platform_types.h"

enum UpdateState {
    kUpdateNone = 0,    // nothing new, or still looking
    kUpdateFailed = 1,  // a page or the setup program could not be had
    kUpdateOffered = 2, // a newer release's setup program is ready
};

struct UpdateCheckSetup {
    const wchar_t* site;          // "host" or "host:port"
    const wchar_t* programDir;    // ends in a backslash
    const wchar_t* programName;   // "Zelmora"
    const wchar_t* versionPrefix; // "V"
    ReleaseVersion own;
    HMENU menu;   // holds item 9525; may be null
    HWND toolbar; // holds button 9525; may be null
    const std::atomic<int>* closing;
    DWORD stallLimit; // milliseconds without data before a download is given up
};

enum { kUpdateStallLimit = 30000 };

// Resets the state to kUpdateNone and starts the check on its thread, which
// is registered before it runs. False when no thread could be started.
bool StartUpdateCheck(const UpdateCheckSetup& setup);

// True while the thread is registered; it clears its registration at every
// end of the check.
bool UpdateCheckRunning();

int CurrentUpdateState();

// The setup program's full path and the install item's caption; meaningful
// once the state is kUpdateOffered.
const wchar_t* OfferedSetupPath();
const wchar_t* OfferedUpdateCaption();
