#include "app/coordinate_text.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(CoordinateFilter, KeepsDigitsOnePointAndALeadingMinus) {
    Filtered f = Filter(L"12a.3.4", kLatitudeLimit);
    EXPECT_EQ(f.text, L"12.34");
    EXPECT_EQ(f.filter.dropped, 2); // the letter and the second point
    EXPECT_FALSE(f.filter.clamped);
    EXPECT_DOUBLE_EQ(f.filter.value, 12.34);

    f = Filter(L"-5", kLatitudeLimit);
    EXPECT_EQ(f.text, L"-5");
    EXPECT_EQ(f.filter.dropped, 0);
    EXPECT_DOUBLE_EQ(f.filter.value, -5.0);

    f = Filter(L"5-", kLatitudeLimit);
    EXPECT_EQ(f.text, L"5");
    EXPECT_EQ(f.filter.dropped, 1);

    f = Filter(L"--5", kLatitudeLimit);
    EXPECT_EQ(f.text, L"-5");
    EXPECT_EQ(f.filter.dropped, 1);

    // What an exponent would become: "505" once "e" and the inner "-" are
    // refused, and then the limit.
    f = Filter(L"5e-05", kLatitudeLimit);
    EXPECT_EQ(f.text, L"90.0");
    EXPECT_EQ(f.filter.dropped, 3); // "e", "-" and the clamp
    EXPECT_TRUE(f.filter.clamped);
}

TEST(CoordinateFilter, TextsWithoutDigitsReadAsZero) {
    for (const wchar_t* text : {L"", L"-", L".", L"-."}) {
        const Filtered f = Filter(text, kLatitudeLimit);
        EXPECT_EQ(f.text, text);
        EXPECT_EQ(f.filter.dropped, 0);
        EXPECT_DOUBLE_EQ(f.filter.value, 0.0) << text;
    }
    const Filtered f = Filter(L"abc", kLatitudeLimit);
    EXPECT_EQ(f.text, L"");
    EXPECT_EQ(f.filter.dropped, 3);
}

TEST(CoordinateFilter, ValuesBeyondTheLimitBecomeTheLimitsText) {
    Filtered f = Filter(L"95", kLatitudeLimit);
    EXPECT_EQ(f.text, L"90.0");
    EXPECT_TRUE(f.filter.clamped);
    EXPECT_EQ(f.filter.dropped, 1);
    EXPECT_DOUBLE_EQ(f.filter.value, 90.0);

    f = Filter(L"-181", kLongitudeLimit);
    EXPECT_EQ(f.text, L"-180.0");
    EXPECT_DOUBLE_EQ(f.filter.value, -180.0);

    f = Filter(L"-90.0", kLatitudeLimit); // the limit itself stands as typed
    EXPECT_EQ(f.text, L"-90.0");
    EXPECT_FALSE(f.filter.clamped);

    f = Filter(L"180.0000001", kLongitudeLimit);
    EXPECT_EQ(f.text, L"180.0");
    EXPECT_TRUE(f.filter.clamped);

    // A number too long for any double is still clamped, not lost.
    const std::wstring huge(400, L'9');
    f = Filter(huge.c_str(), kLatitudeLimit);
    EXPECT_EQ(f.text, L"90.0");
}

TEST(CoordinateFormat, FixedNotationWithoutTrailingZeros) {
    EXPECT_EQ(Format(40.6883), L"40.6883");
    EXPECT_EQ(Format(-75.2164), L"-75.2164");
    EXPECT_EQ(Format(0.00005), L"0.00005");
    EXPECT_EQ(Format(-0.00005), L"-0.00005");
    EXPECT_EQ(Format(90.0), L"90");
    EXPECT_EQ(Format(-180.0), L"-180");
    EXPECT_EQ(Format(0.0), L"0");
    EXPECT_EQ(Format(-0.0000001), L"0"); // rounds to nothing: no "-0"
    EXPECT_EQ(Format(123.4567891), L"123.456789");
    EXPECT_EQ(Format(10.5), L"10.5");
    EXPECT_EQ(Format(100.0), L"100"); // zeros before the point stay
}

TEST(CoordinateFormat, WrittenCoordinatesPassTheFieldsRuleUnchanged) {
    const double values[] = {40.6883, -75.2164, 0.00005,  -0.000001, 89.999999, -179.5, 1e-7,
                             12.34,   -33.8688, 151.2093, 0.5,       -0.25,     64.1466};
    for (double value : values) {
        const std::wstring text = Format(value);
        const Filtered f = Filter(text.c_str(), kLongitudeLimit);
        EXPECT_EQ(f.text, text) << value;
        EXPECT_EQ(f.filter.dropped, 0) << value;
        EXPECT_NEAR(f.filter.value, value, 5e-7) << value;
    }
}

} // namespace
