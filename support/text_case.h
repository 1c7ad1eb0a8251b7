// Letter case for searches and names compared without regard to case: the
// same result on every platform and in every locale (ASCII and Latin-1
// letters; other characters are left as they are).
#pragma once

// The upper-case form of one character.
wchar_t UpperCaseChar(wchar_t c);

// True when both texts are equal but for the case of their letters.
bool EqualIgnoringCase(const wchar_t* a, const wchar_t* b);

// True when `text` ends in `suffix` but for the case of their letters.
bool EndsWithIgnoringCase(const wchar_t* text, const wchar_t* suffix);
