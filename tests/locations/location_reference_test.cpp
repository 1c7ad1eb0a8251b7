// A sample of the table's places against coordinates from an independent
// source: the time zone database's zone1970.tab and zone.tab (Debian package
// tzdata 2025b, /usr/share/zoneinfo), which give each zone's principal city
// as ISO 6709 degrees and minutes (and seconds). The strings below are copied
// from those files; the table was made from other data.
#include "locations/location_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "locations/table_walk.h"

namespace {

struct Reference {
    const wchar_t* name;  // as the table lists the place
    const char* zone;     // the zone whose city it is
    const char* position; // as the zone table writes it
};

const Reference kReferences[] = {
    {L"Japan, Tokyo", "Asia/Tokyo", "+353916+1394441"},
    {L"France, Paris", "Europe/Paris", "+4852+00220"},
    {L"Kenya, Nairobi", "Africa/Nairobi", "-0117+03649"},
    {L"Argentina, Buenos Aires", "America/Argentina/Buenos_Aires", "-3436-05827"},
    {L"Egypt, Cairo", "Africa/Cairo", "+3003+03115"},
    {L"Russia, Moscow", "Europe/Moscow", "+554521+0373704"},
    {L"Peru, Lima", "America/Lima", "-1203-07703"},
    {L"Afghanistan, Kabul", "Asia/Kabul", "+3431+06912"},
    {L"Chicago, Ill.", "America/Chicago", "+415100-0873900"},
    {L"Los Angeles, Calif.", "America/Los_Angeles", "+340308-1181434"},
    {L"Anchorage, Alaska", "America/Anchorage", "+611305-1495401"},
    {L"Toronto, Ont.", "America/Toronto", "+4339-07923"},
    {L"Phoenix, Ariz.", "America/Phoenix", "+332654-1120424"},
    {L"McMurdo Station, Antarctica", "Antarctica/McMurdo", "-7750+16636"},
    {L"[ADK] Adak, AK", "America/Adak", "+515248-1763929"},
    {L"[OME] Nome, AK", "America/Nome", "+643004-1652423"},
    {L"[BOI] Boise, ID", "America/Boise", "+433649-1161209"},
};

// One signed ISO 6709 value of the given number of degree digits, followed
// by minutes and perhaps seconds; advances past it.
double ReadAngle(const char*& text, int degreeDigits) {
    const double sign = *text++ == '-' ? -1.0 : 1.0;
    std::string digits;
    while (*text >= '0' && *text <= '9')
        digits += *text++;
    double value = std::atoi(digits.substr(0, degreeDigits).c_str()) +
                   std::atoi(digits.substr(degreeDigits, 2).c_str()) / 60.0;
    if (digits.size() > size_t(degreeDigits) + 2)
        value += std::atoi(digits.substr(degreeDigits + 2).c_str()) / 3600.0;
    return sign * value;
}

TEST(LocationReference, SampledPlacesLieWithinATenthOfADegreeOfTheZoneTables) {
    for (const Reference& reference : kReferences) {
        SCOPED_TRACE(reference.zone);
        const int row = FindPlace(reference.name);
        ASSERT_GE(row, 0);
        const char* text = reference.position;
        const double latitude = ReadAngle(text, 2);
        const double longitude = ReadAngle(text, 3);
        EXPECT_NEAR(kLocationTable[row].latitude, latitude, 0.1);
        EXPECT_NEAR(kLocationTable[row].longitude, longitude, 0.1);
    }
}

} // namespace
