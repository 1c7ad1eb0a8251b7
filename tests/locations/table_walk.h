// The location table read as its lists show it: each category header with
// the rows of the places under it, up to the end row.
#pragma once

#include <cwchar>
#include <string>
#include <vector>

#include "locations/location_table.h"

struct TableCategory {
    std::wstring header;
    int headerRow;
    std::vector<int> places;
};

inline std::vector<TableCategory> ReadCategories() {
    std::vector<TableCategory> categories;
    for (int row = 0; KindOfLocationRow(kLocationTable[row]) != kLocationEnd; ++row) {
        const LocationRowKind kind = KindOfLocationRow(kLocationTable[row]);
        if (kind == kLocationHeader) categories.push_back({kLocationTable[row].name, row, {}});
        if (kind == kLocationPlace && !categories.empty()) categories.back().places.push_back(row);
    }
    return categories;
}

// The row of the place with this name, or -1.
inline int FindPlace(const wchar_t* name) {
    for (int row = 0; row < kLocationRowCount; ++row)
        if (KindOfLocationRow(kLocationTable[row]) == kLocationPlace &&
            std::wcscmp(kLocationTable[row].name, name) == 0)
            return row;
    return -1;
}
