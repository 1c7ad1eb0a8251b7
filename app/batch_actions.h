// What the batch commands (DATA, DATES, VIEW, SAVEAS, PRINT) do in the
// running program. Windows only.
#pragma once

// Hands the main window's actions to the command parser; called once the
// main window exists, before the settings file and the command line run.
void InstallBatchActions();
