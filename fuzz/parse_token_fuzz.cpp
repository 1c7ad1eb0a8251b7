#include "fuzz/fuzz_target.h"

ZELMORA_FUZZ_TARGET(fuzz::Token)
