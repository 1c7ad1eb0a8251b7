// Finding files on disk: whether a path names a file or a folder, and where a
// file named by the user actually is (beside a given folder, relative to the
// current folder, or along the system's search path).
#pragma once

// Size of a path buffer in characters, terminator included.
enum { kFilePathLength = 260 };

// 1 for an existing file, -1 for an existing folder, 0 when there is nothing
// (or its attributes cannot be read). A path in double quotes is tested
// without them.
int FileExists(const wchar_t* path);

// Looks for `name` in `folder` (folder\name; folder name when the folder ends
// in "\"; the name alone when the folder is empty or null), then as a full
// path, then along the system's search path by its file name (an existing
// folder of that name counts as found too). `result` holds
// kFilePathLength characters. Returns the length of the path found, or 0 with
// an empty result when nothing was found or a path would not fit.
int FindFile(wchar_t* result, const wchar_t* folder, const wchar_t* name);
