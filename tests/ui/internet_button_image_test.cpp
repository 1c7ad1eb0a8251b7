#include "ui/internet_button_image.h"

#include <gtest/gtest.h>

namespace {

TEST(InternetButtonImage, StatesOfTheConnectionTest) {
    EXPECT_EQ(InternetButtonImage(17), 14); // LAN up, test off
    EXPECT_EQ(InternetButtonImage(5), 17);  // LAN up, internet up
    EXPECT_EQ(InternetButtonImage(1), 16);  // LAN up, internet down
    EXPECT_EQ(InternetButtonImage(9), 15);  // LAN up, testing
    EXPECT_EQ(InternetButtonImage(0), 18);  // LAN down, test on, nothing answered
    EXPECT_EQ(InternetButtonImage(16), 13); // LAN down, test off
    EXPECT_EQ(InternetButtonImage(18), 13); // start-up: LAN not yet known
}

TEST(InternetButtonImage, LanDownPictures) {
    EXPECT_EQ(InternetButtonImage(8), 14); // testing
    EXPECT_EQ(InternetButtonImage(4), 16); // internet up
    EXPECT_EQ(InternetButtonImage(2), 18); // unknown LAN alone shows nothing known
}

TEST(InternetButtonImage, EveryStateWordGivesOneOfTheSixPictures) {
    for (unsigned state = 0; state < 64; ++state) {
        const int image = InternetButtonImage(state);
        EXPECT_GE(image, kFirstInternetImage) << state;
        EXPECT_LT(image, kFirstInternetImage + kInternetImageCount) << state;
    }
}

} // namespace
