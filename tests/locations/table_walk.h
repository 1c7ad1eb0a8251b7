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
    for (int row = 0; row < kLocationRowCount; ++row) {
        const LocationRowKind kind = KindOfLocationRow(kLocationTable[row]);
        if (kind == kLocationEnd) break;
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

// The position of the category with this header in the category list, or -1.
inline int FindCategory(const wchar_t* header) {
    const std::vector<TableCategory> categories = ReadCategories();
    for (size_t i = 0; i < categories.size(); ++i)
        if (categories[i].header == header) return static_cast<int>(i);
    return -1;
}
