// The operating system's side of the internet test: the connection state
// that the system reports, the web requests of one test, the reset program
// and the main window's reset command. Implemented with WinINet and the
// shell on Windows; elsewhere a stand-in that reports no connection and
// starts nothing.
#pragma once

#include <cstdint>

#include "services/keystroke_text.h"

struct SystemConnection {
    bool connected; // the system reports a connection
    bool offline;   // the system is in offline mode
    int flags;      // the system's connection flags, compared between ticks
};

SystemConnection QuerySystemConnection();

// Starts one asynchronous request for each address of `addresses` (count of
// them, none empty) as test `generation`; their callbacks report through
// services/connection_probe.h. False when the session or its callback could
// not be set up (nothing was started then).
bool StartConnectionRequests(uint32_t generation, const wchar_t* const* addresses, int count);
// Closes every request and the session.
void CloseConnectionRequests();

// How a reset launch ended.
enum ResetOutcome {
    kResetNone,    // no reset has ended since the last call
    kResetRunning, // the reset program is being started or typed into
    kResetStarted, // started (and the keystrokes typed)
    kResetFailed,  // not started; the message says why
};

// Starts the reset program with its command line and types the lines into
// its console, away from the calling thread. False when a reset is still
// running.
bool StartResetProgram(const wchar_t* program, const wchar_t* commandLine,
                       const KeystrokeLines& keystrokes);
// True while a reset program is being started or typed into.
bool ResetProgramRunning();
// The outcome of the last reset, once: kResetStarted or kResetFailed (with
// its message in message[0..capacity)) the first time it is asked after the
// reset ended, then kResetNone; kResetRunning while it runs.
ResetOutcome TakeResetOutcome(wchar_t* message, int capacity);

// Sends the main window the command that stands for a reset by this program
// itself (the reset program names this program).
void SendSelfResetCommand();
