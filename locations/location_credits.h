// Where the places of the location table come from, with the licences and
// the attribution they ask for; the About text and the help carry it.
#pragma once

extern const wchar_t kLocationDataCredits[];
