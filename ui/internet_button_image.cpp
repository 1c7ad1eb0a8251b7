#include "ui/internet_button_image.h"

int InternetButtonImage(unsigned stateWord) {
    int k;
    if ((stateWord & (kLanUp | kInternetUp | kInternetTesting | kInternetNotTested)) == 0) {
        k = 5;
    } else if (stateWord & kLanUnknown) {
        k = 0;
    } else {
        const int lan = (stateWord & kLanUp) ? 1 : 0;
        if (stateWord & kInternetNotTested)
            k = lan;
        else if (stateWord & kInternetTesting)
            k = lan + 1;
        else if (stateWord & kInternetUp)
            k = lan + 3;
        else
            k = lan + 2;
    }
    return kFirstInternetImage + k;
}
