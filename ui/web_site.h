// The program's web site, as the Options menu and the File toolbar name it.
#pragma once

constexpr const wchar_t kWebSiteName[] = L"Zelmora Web Site";
constexpr const wchar_t kWebSiteAddress[] = L"https://zelmora.example.org/";

// Caption of the Options menu item and tooltip of the toolbar's web site button.
constexpr const wchar_t kWebSiteCaption[] = L"&View Zelmora Web Site";
