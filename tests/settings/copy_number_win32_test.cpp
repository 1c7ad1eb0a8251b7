#include "settings/copy_number.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

TEST(CopyNumber, EachRunningCopyIsCascadedBy25Pixels) {
    // A name of this test run alone; every claim holds its mutex, as a
    // running copy of the program would.
    const std::wstring name = L"ZelmoraCopyTest" + std::to_wstring(GetCurrentProcessId());
    for (int copy = 0; copy <= kLastCopyNumber; ++copy) {
        CopyNumber claimed = ClaimCopyNumber(name.c_str());
        EXPECT_EQ(claimed.number, copy);
        EXPECT_EQ(claimed.offset, 25 * copy);
    }
    CopyNumber crowded = ClaimCopyNumber(name.c_str());
    EXPECT_EQ(crowded.number, kLastCopyNumber);
    EXPECT_EQ(crowded.offset, 250);
}

} // namespace
