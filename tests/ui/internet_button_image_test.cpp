// The File toolbar's internet button: the picture each connection state
// shows, in the order the picture strip is drawn (13 red/white, 14 green/white,
// 15 green/yellow, 16 green/red, 17 green/green, 18 red/red).
#include "ui/internet_button_image.h"

#include <gtest/gtest.h>

#include "services/connection_probe.h"

namespace {

TEST(InternetButton, EachConnectionStateShowsItsPicture) {
    const struct {
        unsigned state;
        int image;
    } cases[] = {
        {kStateNothingKnown, 13},      // LAN not known yet, no test: red, white
        {kStateLanDownNoTest, 13},     // LAN down, no test: red, white
        {kStateLanUpNoTest, 14},       // LAN up, no test: green, white
        {kStateLanUpTesting, 15},      // test running: green, yellow
        {kStateLanUpInternetDown, 16}, // green, red
        {kStateLanUpInternetUp, 17},   // green, green
        {kStateLanDown, 18},           // LAN down, test on: red, red
    };
    for (const auto& c : cases)
        EXPECT_EQ(InternetButtonImage(c.state), c.image) << c.state;
}

} // namespace
