// The text rules of the latitude and longitude fields: only a signed decimal
// number may stand in them, within the coordinate's limits, and the program
// writes coordinates in plain fixed notation so that the rule keeps them intact.
#pragma once

// The most characters a field is read with.
enum { kCoordinateTextChars = 8196 };
enum { kLatitudeLimit = 90, kLongitudeLimit = 180 };

struct CoordinateFilter {
    int dropped;  // characters refused, a clamp counting as one
    bool clamped; // the value lay beyond the limit and became the limit
    double value; // the number the kept text stands for (0 for "", "-" or ".")
};

// Keeps digits, the first "." and a "-" that is the very first character;
// every other character is dropped. A value beyond -limit or +limit becomes
// that limit, written as "-90.0" or "90.0". `out` receives the kept text, cut
// to its capacity.
CoordinateFilter FilterCoordinateText(const wchar_t* text, double limit, wchar_t* out,
                                      int capacity);

// Where the caret goes after the filter: back by the characters dropped,
// never outside the text.
int CaretAfterFilter(int caret, int dropped, int textLength);

// "%.6f" without trailing zeros or a trailing point: 40.6883 as "40.6883",
// 0.00005 as "0.00005", 90 as "90", and never an exponent that the field's
// rule would mangle. Returns the length, or -1 when cut.
int FormatCoordinate(double value, wchar_t* out, int capacity);
