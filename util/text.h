// Text helpers shared by the whole program: 8-bit <-> UTF-16, number formats, padding.
#pragma once

#include <cstdint>
#include <string>

// The program's own text is 8-bit (code page 1252 bytes read as ISO 8859-1 code points);
// the window layer is UTF-16. These two functions are the only bridges between them.

// Each byte before the first NUL becomes the UTF-16 code unit of the same value.
std::wstring ToWide(std::string s);
// Each code unit becomes its low 8 bits; the length is unchanged (NUL units are kept).
std::string ToNarrow(std::wstring w);

// Decimal text of a signed 64-bit value, no fill, no grouping.
std::string FormatInt64(std::int64_t v);
// Decimal text right-aligned in `width` and filled with '0' on the left; the fill comes
// before a minus sign (-5 in width 8 is "000000-5"); longer texts are not cut.
std::string FormatZeroPadded(int value, int width);
// Appends `fill` until the text is at least `width` long; never shortens.
std::string PadRight(std::string s, char fill, unsigned width);
// Replaces every occurrence of `what`. An empty `what` returns the text unchanged, and the
// search goes on after each inserted text, so a `with` that contains `what` cannot loop.
std::string ReplaceAll(std::string text, const std::string& what, const std::string& with);
