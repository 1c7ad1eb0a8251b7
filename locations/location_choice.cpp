#include "locations/location_choice.h"

#include "locations/location_table.h"

namespace {

// At program start the dialog opens at the first place and the first category.
constexpr LocationChoice kFirstChoice = {1, 0, {-1}, 0, 0.0, 0.0, false};

// Categories beyond this position of the list are not looked up.
const int kCategoryListLimit = 200;

const LocationEntry* RowAt(int row) {
    return row >= 0 && row < kLocationRowCount ? &kLocationTable[row] : nullptr;
}

} // namespace

LocationChoice locationChoice = kFirstChoice;

void ResetLocationChoice() {
    locationChoice = kFirstChoice;
}

void BeginLocationChoice() {
    locationChoice.ready = false;
    locationChoice.categoryCount = 0;
    locationChoice.categoryRows[0] = -1;
}

void RecordCategoryRow(int row) {
    if (locationChoice.categoryCount >= kCategoryRowSlots) return;
    locationChoice.categoryRows[locationChoice.categoryCount++] = row;
    locationChoice.categoryRows[locationChoice.categoryCount] = -1;
}

void ShowRememberedLocation() {
    const LocationEntry* row = RowAt(locationChoice.locationIndex);
    const bool place = row != nullptr && KindOfLocationRow(*row) == kLocationPlace;
    locationChoice.newLatitude = place ? row->latitude : 0.0;
    locationChoice.newLongitude = place ? row->longitude : 0.0;
}

bool PickLocationRow(int row) {
    locationChoice.locationIndex = row;
    const LocationEntry* entry = RowAt(row);
    if (entry == nullptr || KindOfLocationRow(*entry) != kLocationPlace) return false;
    locationChoice.newLatitude = entry->latitude;
    locationChoice.newLongitude = entry->longitude;
    return true;
}

int PickCategory(int category) {
    locationChoice.categoryIndex = category;
    if (category < 0 || category >= kCategoryListLimit || category >= locationChoice.categoryCount)
        return -1;
    return locationChoice.categoryRows[category];
}

void CancelLocationChoice() {
    locationChoice.newLatitude = 0.0;
    locationChoice.newLongitude = 0.0;
}

bool TakeChosenLocation(double* latitude, double* longitude) {
    if (locationChoice.newLatitude == 0.0 && locationChoice.newLongitude == 0.0) return false;
    *latitude = locationChoice.newLatitude;
    *longitude = locationChoice.newLongitude;
    return true;
}
