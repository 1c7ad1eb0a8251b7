// The program's About text names where the location list comes from, with
// the licences and the attribution that CC BY 4.0 asks for.
#include "app/program_info.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

TEST(LocationCredits, TheAboutTextNamesEverySourceAndLicenceAndStillFits) {
    static wchar_t info[kProgramInfoLength];
    ASSERT_GT(BuildProgramInfo(info, kProgramInfoLength), 0);
    const std::wstring text = info;
    for (const wchar_t* mention :
         {L"Zelmora", L"GeoNames", L"https://www.geonames.org/", L"CC BY 4.0",
          L"https://creativecommons.org/licenses/by/4.0/", L"changed", L"OurAirports",
          L"public domain", L"FAA", L"U.S. Government work", L"BSD", L"countries-list", L"MIT",
          L"CLDR", L"Unicode License"})
        EXPECT_NE(text.find(mention), std::wstring::npos)
            << std::string(mention, mention + std::wcslen(mention));
}
