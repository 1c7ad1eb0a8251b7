// The connection state word of the internet test and the counters of the
// test's web requests, kept in one atomic word. The window thread starts and
// ends tests; the system's internet worker thread counts the answers as its
// status callback reports them. Every request carries the number of the test
// (its generation) that started it: a report of an older test changes
// nothing, so a late callback never counts into a new test.
#pragma once

#include <cstdint>

// Bits of the state word: see ui/internet_button_image.h. The values in use.
enum ConnectionStateValue : uint32_t {
    kStateLanDown = 0,           // LAN down, test enabled
    kStateLanUpInternetDown = 1, // LAN up, no address answered
    kStateLanUpInternetUp = 5,   // LAN up, at least one address answered
    kStateLanUpTesting = 9,      // LAN up, requests in flight
    kStateLanDownNoTest = 16,    // LAN down, test disabled
    kStateLanUpNoTest = 17,      // LAN up, test disabled
    kStateNothingKnown = 18,     // before the first test
};

enum { kProbeAddressCount = 5 };

// The state word (the five low bits).
uint32_t ConnectionState();
// How many addresses answered in the current test (0..5).
int AnsweredCount();
// How many requests of the current test have not completed.
int RequestsInFlight();
// The current test's number.
uint32_t ProbeGeneration();

// Window thread: ends the current test without a new one (its requests were
// closed): later reports of its requests are ignored; the state and the
// answers counted stay.
void EndProbeTest();
// Window thread: sets the state word and ends the current test (later
// reports of its requests are ignored). Counters start again at 0.
void SetConnectionState(uint32_t state);
// Window thread: a new test with `requests` requests about to start; the
// state becomes "test running" (9). Returns the test's number.
uint32_t BeginProbeTest(int requests);
// Window thread: one request of test `generation` could not be started.
void ProbeRequestNotStarted(uint32_t generation);

// Worker thread: request `index` of test `generation` reached its server or
// received a response. The state becomes "internet up" (5) and the address
// counts once.
void ProbeAnswered(uint32_t generation, int index);
// Worker thread: request `index` of test `generation` completed. When it was
// the last one in flight, the state becomes "internet down" (1) unless an
// address answered.
void ProbeCompleted(uint32_t generation, int index);
