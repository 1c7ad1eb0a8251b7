// The names of the four events and of the four periods between them, as the
// table headings, the selection dialog's check boxes and the files show them.
#pragma once

// The caption of slot 0-3: Dawn, Sunrise, Sunset, Dusk, or with `lengths`
// Dawn-Dusk, Daylight, Night, Dusk-Dawn. An empty text for any other slot.
const wchar_t* EventCaption(int slot, bool lengths);
