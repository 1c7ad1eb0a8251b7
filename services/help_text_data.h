// The help text's topics, written as plain text in services/help/ and built
// into these constants (cmake/EmbedHelpText.cmake). Lines end in CR LF; the
// last line of each has no line end.
#pragma once

extern const wchar_t kHelpText_help_display[];
extern const wchar_t kHelpText_main_display[];
extern const wchar_t kHelpText_file_menu[];
extern const wchar_t kHelpText_options_menu[];
extern const wchar_t kHelpText_sun_times_menu[];
extern const wchar_t kHelpText_internet_test_setup[];
extern const wchar_t kHelpText_command_line[];
extern const wchar_t kHelpText_command_reference[];
extern const wchar_t kHelpText_tagged_file[];
extern const wchar_t kHelpText_tagged_file_commands[];
