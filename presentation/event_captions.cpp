#include "presentation/event_captions.h"

#include "suntimes/sun_times_types.h"

const wchar_t* EventCaption(int slot, bool lengths) {
    static const wchar_t* const kEvents[kSunEventCount] = {L"Dawn", L"Sunrise", L"Sunset", L"Dusk"};
    static const wchar_t* const kPeriods[kSunEventCount] = {L"Dawn-Dusk", L"Daylight", L"Night",
                                                            L"Dusk-Dawn"};
    if (slot < 0 || slot >= kSunEventCount) return L"";
    return lengths ? kPeriods[slot] : kEvents[slot];
}
