// The entry points of one libFuzzer target: it works in a scratch folder of
// its own, with the fixture scripts in it, and hands every input to a driver.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "fuzz/fuzz_drivers.h"

#define ZELMORA_FUZZ_TARGET(driver)                                                                \
    extern "C" int LLVMFuzzerInitialize(int*, char***) {                                           \
        char folder[] = "/tmp/zelmora_fuzz_XXXXXX";                                                \
        if (mkdtemp(folder) == nullptr || chdir(folder) != 0) {                                    \
            std::perror("zelmora fuzz folder");                                                    \
            std::exit(1);                                                                          \
        }                                                                                          \
        fuzz::WriteFuzzFixtures();                                                                 \
        return 0;                                                                                  \
    }                                                                                              \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {                      \
        driver(data, size);                                                                        \
        return 0;                                                                                  \
    }
