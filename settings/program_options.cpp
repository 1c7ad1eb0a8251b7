#include "settings/program_options.h"

int statusBarOn = 1;
int exitRequested = 0;
