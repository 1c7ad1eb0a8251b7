// The texts of the update check, independent of the platform: how the
// release directory and the release's version are read from the site's
// pages, which release is newer, and the names of the files and the menu
// caption. Nothing here reports an error: the update check runs on its own
// thread, and a text it cannot read counts as "not found".
#pragma once

#include <cstdint>

enum { kUpdateTextLength = 260 }; // names and addresses, terminator included

struct ReleaseVersion {
    int32_t major;
    int32_t minor;
};

// The release's version at `text`: a decimal number (major), one character
// (the separator "-"), a decimal number (minor). False when either number
// is missing or does not fit in 32 bits.
bool ReadReleaseVersion(const wchar_t* text, ReleaseVersion* version);

// True when `found` is a later release than `own`.
bool IsNewerRelease(const ReleaseVersion& found, const ReleaseVersion& own);

// The release directory behind the home page's key: one "=" directly behind
// the key is skipped, then one token is taken, in double quotes or up to the
// first blank, double quote, ";", "!", ",", ">", "<", "|" or control
// character. False when there is none, a quote is not closed, or it has
// `capacity` characters or more.
bool ReadReleaseDirectory(const wchar_t* text, wchar_t* out, int capacity);

// True when the directory names a place on the update site itself: letters,
// digits and "-", "_", ".", "~", "/" only, neither "/" at its start nor "..",
// so that no address built from it leaves the site or climbs above its root.
bool IsSafeReleaseDirectory(const wchar_t* directory);

// "<programDir><site>_files.htm" with ":" of the site replaced by "_";
// `programDir` ends in a separator. Returns the length, -1 when cut.
int FormPageFilePath(const wchar_t* programDir, const wchar_t* site, wchar_t* out, int capacity);

// "<program>_<prefix><major>-<minor>_Setup.exe", e.g. "Zelmora_V2-67_Setup.exe".
int FormSetupFileName(const wchar_t* program, const wchar_t* prefix, const ReleaseVersion& version,
                      wchar_t* out, int capacity);

// "&Install <program> Program Update: <prefix><own> -> <prefix><found>".
int FormUpdateCaption(const wchar_t* program, const wchar_t* prefix, const ReleaseVersion& own,
                      const ReleaseVersion& found, wchar_t* out, int capacity);
