#include "services/update_site.h"

#include <cwchar>

#include "settings/command_text.h"
#include "settings/setting_values.h"
#include "support/bounded_format.h"
#include "support/error_report.h"
#include "ui/web_site.h"

namespace {

// The chosen site; meaningful once `siteChosen` is set. Empty: off.
wchar_t chosenSite[kUpdateSiteLength] = L"";
bool siteChosen = false;
wchar_t defaultSite[kUpdateSiteLength] = L"";

// The host of the web site's address: behind "://", up to the next "/".
const wchar_t* DefaultSite() {
    if (defaultSite[0] != L'\0') return defaultSite;
    const wchar_t* host = std::wcsstr(kWebSiteAddress, L"://");
    host = host != nullptr ? host + 3 : kWebSiteAddress;
    int length = 0;
    while (host[length] != L'\0' && host[length] != L'/' && length < kUpdateSiteLength - 1)
        ++length;
    std::wmemcpy(defaultSite, host, static_cast<size_t>(length));
    defaultSite[length] = L'\0';
    return defaultSite;
}

bool IsHostChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
           c == L'.' || c == L'-';
}

bool IsValidSite(const wchar_t* site) {
    const wchar_t* p = site;
    while (IsHostChar(*p))
        ++p;
    if (p == site || *site == L'.' || *site == L'-') return false;
    if (*p == L'\0') return true;
    if (*p != L':') return false;
    long port = 0;
    const wchar_t* digits = ++p;
    for (; *p >= L'0' && *p <= L'9' && port <= 65535; ++p)
        port = port * 10 + (*p - L'0');
    return *p == L'\0' && p > digits && port >= 1 && port <= 65535;
}

} // namespace

const wchar_t* UpdateSite() {
    return siteChosen ? chosenSite : DefaultSite();
}

const wchar_t* UpdateSiteSetting() {
    const wchar_t* site = UpdateSite();
    return site[0] == L'\0' ? L"OFF" : site;
}

void ResetUpdateSite() {
    siteChosen = false;
    chosenSite[0] = L'\0';
}

const wchar_t* ReadUpdateSiteCommand(const wchar_t* p) {
    p = SkipCommandAssignment(p);
    wchar_t value[kUpdateSiteLength];
    const wchar_t* after = p;
    const int taken = ParseSettingValue(p, &after, value, kUpdateSiteLength);
    if (taken < 0) return nullptr;
    if (taken == 0 && StartsWithCommandWord(value, L"OFF") && value[3] == L'\0') {
        chosenSite[0] = L'\0';
        siteChosen = true;
        return after;
    }
    if (taken != 0 || !IsValidSite(value)) {
        ReportError(L"Invalid UPDATESITE value: %ls (host, host:port or OFF)", value);
        return nullptr;
    }
    CopyText(chosenSite, kUpdateSiteLength, value);
    siteChosen = true;
    return after;
}
