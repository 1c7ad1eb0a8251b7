// Running command text: the command line, or a command file named by a
// reference such as "<commands.txt" (see services/tagged_file.h for the
// reference forms and the script commands inside files). Every line is
// offered to the command parsers in their fixed order, command after command.
#pragma once

enum {
    kCommandsExitRequest = 1, // EXIT or QUIT
    kCommandsFailed = -2,     // an error was reported; the rest was not run
};

// Runs `text`. Text in double quotes is first taken out of them. Returns
// kCommandsExitRequest at once on an exit command, kCommandsFailed after a
// report, 0 otherwise. A line that no parser takes (three characters or more,
// not a comment) is reported as "Invalid command: "%s"" or, from a file,
// "Invalid command: "%s" Line: %d File: "%s"". *rest (optional) points into
// `text`: in plain command text behind the last command carried out (at the
// failing command after an error), otherwise at the end or, after an error,
// at the start of `text`.
int RunCommands(const wchar_t* text, const wchar_t** rest);
