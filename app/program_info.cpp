#include "app/program_info.h"

#include "support/bounded_format.h"
#include "ui/web_site.h"

const wchar_t kProgramName[] = L"Zelmora";
const wchar_t kProgramVersion[] = L"V2-66 Win32 Unicode";

namespace {
const wchar_t kDescription[] = L"SunRise/Sunset and Dawn/Dusk";
const wchar_t kProgramDate[] = L"12/18/2019";
const wchar_t kAuthor[] = L"The Zelmora developers";
const wchar_t kEmail[] = L"zelmora@example.org";
const wchar_t* const kWebSite = kWebSiteAddress;
} // namespace

int BuildProgramInfo(wchar_t* buffer, int capacity) {
    return FormatText(buffer, capacity,
                      L"        *** Program Information ***\r\n\r\nProgram Description: %ls\r\n"
                      L"Program Name: %ls\r\nProgram Version: %ls\r\nProgram Date: %ls\r\n"
                      L"Author: %ls\r\nEmail: %ls\r\nWEB Site: %ls",
                      kDescription, kProgramName, kProgramVersion, kProgramDate, kAuthor, kEmail,
                      kWebSite);
}
