// Whether a file is a Windows program: the MZ header of an executable and,
// where it points, the PE signature. Independent of the platform.
#pragma once

// True when the file at `path` begins with "MZ" and the 32-bit offset at
// byte 60 points at "PE\0\0" followed by a file header inside the file.
bool IsWindowsExecutable(const wchar_t* path);
