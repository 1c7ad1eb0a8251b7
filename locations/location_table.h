// The built-in table of places that the location dialog lists: one fixed array
// of rows in display order, made from open data by tools/locations. A category
// header lies at latitude 0, longitude 0 and has a name; a blank separator lies
// there too, without a name; the row named "eol" at -1, -1 ends the table.
// Every other row is a place.
#pragma once

struct LocationEntry {
    double latitude;     // degrees, north positive
    double longitude;    // degrees, east positive, west negative
    const wchar_t* name; // the text the lists show
};

enum { kLocationRowCount = 1660 };
extern const LocationEntry kLocationTable[kLocationRowCount];

enum LocationRowKind { kLocationPlace, kLocationHeader, kLocationBlank, kLocationEnd };

// What a row is. Reading stops at the first row whose latitude or longitude is -1.
LocationRowKind KindOfLocationRow(const LocationEntry& row);
