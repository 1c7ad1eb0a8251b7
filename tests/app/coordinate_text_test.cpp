#include "app/coordinate_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

struct Filtered {
    std::wstring text;
    CoordinateFilter filter;
};

Filtered Filter(const wchar_t* text, double limit) {
    wchar_t out[kCoordinateTextChars];
    const CoordinateFilter filter = FilterCoordinateText(text, limit, out, kCoordinateTextChars);
    return {out, filter};
}

std::wstring Format(double value) {
    wchar_t out[64];
    EXPECT_GE(FormatCoordinate(value, out, 64), 0);
    return out;
}

// Digits, one point and a leading minus stand; a value beyond the limit
// becomes the limit's text; a text without digits reads as 0.
TEST(CoordinateFilter, KeepsASignedNumberWithinTheLimit) {
    const std::wstring huge(400, L'9'); // too long for any double, still clamped
    const struct {
        std::wstring typed;
        double limit;
        const wchar_t* kept;
        int dropped;
        bool clamped;
        double value;
    } cases[] = {
        {L"12a.3.4", kLatitudeLimit, L"12.34", 2, false, 12.34},
        {L"--5", kLatitudeLimit, L"-5", 1, false, -5.0},
        // An exponent: "505" once "e" and the inner "-" are refused, then the limit.
        {L"5e-05", kLatitudeLimit, L"90.0", 3, true, 90.0},
        {L"-.", kLatitudeLimit, L"-.", 0, false, 0.0},
        {L"-181", kLongitudeLimit, L"-180.0", 1, true, -180.0},
        {L"-90.0", kLatitudeLimit, L"-90.0", 0, false, -90.0}, // the limit itself stands
        {huge, kLatitudeLimit, L"90.0", 1, true, 90.0},
    };
    for (const auto& c : cases) {
        const Filtered f = Filter(c.typed.c_str(), c.limit);
        EXPECT_EQ(f.text, c.kept) << c.typed.substr(0, 12);
        EXPECT_EQ(f.filter.dropped, c.dropped) << c.typed.substr(0, 12);
        EXPECT_EQ(f.filter.clamped, c.clamped) << c.typed.substr(0, 12);
        EXPECT_DOUBLE_EQ(f.filter.value, c.value) << c.typed.substr(0, 12);
    }
}

TEST(CoordinateFormat, FixedNotationWithoutTrailingZerosThatTheFieldsTakeUnchanged) {
    const std::pair<double, const wchar_t*> cases[] = {
        {-0.00005, L"-0.00005"}, {100.0, L"100"}, {-0.0000001, L"0"}, {123.4567891, L"123.456789"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(Format(value), text) << value;
    for (double value : {-75.2164, -0.000001, 89.999999, 1e-7}) {
        const std::wstring text = Format(value);
        const Filtered f = Filter(text.c_str(), kLongitudeLimit);
        EXPECT_EQ(f.text, text) << value;
        EXPECT_EQ(f.filter.dropped, 0) << value;
        EXPECT_NEAR(f.filter.value, value, 5e-7) << value;
    }
}

} // namespace
