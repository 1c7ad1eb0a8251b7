// Which of the six internet pictures the File toolbar's "Internet Test Setup"
// button shows for the internet test's connection state word.
#pragma once

// Bits of the connection state word that the internet test keeps.
enum ConnectionStateBits {
    kLanUp = 1,
    kLanUnknown = 2,
    kInternetUp = 4,
    kInternetTesting = 8,
    kInternetNotTested = 16,
};

enum { kFirstInternetImage = 13, kInternetImageCount = 6 };

// Image index 13-18 in the File toolbar's image list: 13 + 5 while nothing is
// known, else 13 + 0 while the LAN is unknown, else the LAN picture (up or
// down) of the internet state (not tested, testing, down, up).
int InternetButtonImage(unsigned stateWord);
