// Where the update check looks for new releases: a host name, optionally
// with a port ("host" or "host:port"), reached over plain HTTP at its root.
// The [OPTIONS] command UPDATESITE sets it (UPDATESITE=OFF turns the check
// off); by default it is the host of the program's web site.
#pragma once

enum { kUpdateSiteLength = 260 };

// The site, or an empty text when the check is off.
const wchar_t* UpdateSite();
// The value as the UPDATESITE command writes it: the site, or "OFF".
const wchar_t* UpdateSiteSetting();
// Back to the default site.
void ResetUpdateSite();

// Reads the command's value behind the word UPDATESITE: optional blanks, an
// optional "=", then "OFF" (any case) or host[:port], plain or in double
// quotes. A host holds letters, digits, "." and "-"; a port is 1 to 65535.
// Returns the position behind the value, or null after reporting
// "Invalid UPDATESITE value: %s (host, host:port or OFF)" (the site is then
// as it was).
const wchar_t* ReadUpdateSiteCommand(const wchar_t* p);
