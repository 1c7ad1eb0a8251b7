// Settings that only tests use, read once from the environment. A program
// started without them behaves as it always does.
//   ZELMORA_TEST_TIME_DIVISOR=<n>  the internet test's interval and down
//                                  time and the reset program's waits are
//                                  divided by n (1 to 100000), so that a test
//                                  sees in a second what takes minutes
//   ZELMORA_TEST_LOOPBACK_ONLY=1   the internet test and the update check
//                                  ask only addresses on the computer itself
//                                  (127.x.x.x, localhost); other addresses
//                                  are left out as if they were empty
#pragma once

#include <cstdint>

// The divisor of the time settings, 1 without the test setting.
int TestTimeDivisor();
// `milliseconds` divided by the test divisor.
uint64_t TestScaledMilliseconds(uint64_t milliseconds);
// True when the internet test may ask only loopback addresses.
bool LoopbackAddressesOnly();
// True when the host of the web address is 127.x.x.x or "localhost".
bool IsLoopbackAddress(const wchar_t* address);
