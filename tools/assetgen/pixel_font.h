// The generator's own small pixel font: letters, digits and a little punctuation.
#pragma once

#include "canvas.h"

#include <string_view>

// Capitals and ascenders are 7 pixels tall; descenders hang 2 pixels below that.
constexpr int kFontCapHeight = 7;
constexpr int kFontDescent = 2;

// Width in pixels of UTF-8 text drawn at `scale` (each font pixel a scale x scale block).
int TextWidth(std::string_view utf8, int scale);
// Draws UTF-8 text with the top of its capitals at (x, y). Characters the font lacks show
// as '?'.
void DrawText(Canvas& canvas, int x, int y, std::string_view utf8, Colour colour, int scale);
