// Every test program runs with the test-only settings (services/test_settings.h):
// the internet test asks only addresses on this computer, and its times and
// the reset program's waits run a hundred times faster. Programs the tests
// start inherit them.
#include <cstdlib>

namespace {

const bool kTestSettingsSet = [] {
#ifdef _WIN32
    // _putenv changes both the C runtime's copy and the process's own.
    _putenv("ZELMORA_TEST_LOOPBACK_ONLY=1");
    _putenv("ZELMORA_TEST_TIME_DIVISOR=100");
#else
    setenv("ZELMORA_TEST_LOOPBACK_ONLY", "1", 1);
    setenv("ZELMORA_TEST_TIME_DIVISOR", "100", 1);
#endif
    return true;
}();

} // namespace
