// What the location dialog keeps for the whole run and hands back: the row
// and the category picked last (so that the dialog reopens there), the row of
// each category header, and the chosen latitude and longitude, where 0 and 0
// mean "no change". The rules of picking live here; the dialog only shows them.
#pragma once

// Category headers whose rows are recorded; the list holds an end mark after them.
enum { kCategoryRowSlots = 199 };

struct LocationChoice {
    int locationIndex;                       // row of the table last picked in the location list
    int categoryIndex;                       // position last picked in the category list
    int categoryRows[kCategoryRowSlots + 1]; // header rows in order, then -1
    int categoryCount;
    double newLatitude;
    double newLongitude;
    bool ready; // false while the dialog fills its lists
};

extern LocationChoice locationChoice;

// The state at program start: the first place and the first category.
void ResetLocationChoice();

// An opening begins: not ready, no header rows recorded yet.
void BeginLocationChoice();
// A header met while the lists are filled; recorded while there is room.
void RecordCategoryRow(int row);
// The result becomes the coordinates of the row picked last: 0 and 0 when
// that row is a header or a blank.
void ShowRememberedLocation();

// The user picked a row of the location list. It is remembered; a place
// becomes the result (true), any other row leaves the result as it was.
bool PickLocationRow(int row);
// The user picked a category. It is remembered; returns the header row the
// location list moves to, or -1. Neither the result nor the remembered row change.
int PickCategory(int category);
// "Cancel": the result is "no change".
void CancelLocationChoice();

// Hands the result to the caller's place; false and no change when it is 0, 0.
bool TakeChosenLocation(double* latitude, double* longitude);
