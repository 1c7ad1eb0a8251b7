// Reading a page that the update check downloaded: the first line that holds
// a key. Independent of the platform; never reports an error.
#pragma once

#include <atomic>
#include <cstdio>

enum { kUpdateLineLength = 8196 }; // a page line as read, terminator included

// Reads `page` line by line (each byte one character, up to
// kUpdateLineLength - 1 of them a line) into `line`: leading white space
// skipped, the line cut at its first carriage return or line feed. Returns where `key` (exact,
// case-sensitive) begins in the first line that holds it, or null when none does or when `closing`
// is set.
const wchar_t* FindKeyInPage(FILE* page, const wchar_t* key, wchar_t* line,
                             const std::atomic<int>* closing);

struct ReleaseVersion;

// Reads the whole page for `key` followed by a release version
// ("Zelmora_V" then "2-67"), every occurrence on every line, and sets
// *newest to the latest of them. False when none holds a version or when
// `closing` is set.
bool FindNewestRelease(FILE* page, const wchar_t* key, wchar_t* line,
                       const std::atomic<int>* closing, ReleaseVersion* newest);
