// A 3 x 5 pixel font for the hint pictures: capital letters, digits and a
// few signs. Each character advances 4 pixels.
#pragma once

#include "picture.h"

#include <string>

constexpr int kGlyphWidth = 3;
constexpr int kGlyphHeight = 5;
constexpr int kGlyphAdvance = 4;

// True when the font has the character (lower case counts as upper case).
bool fontHas(char c);
// Width in pixels of a line of text (no trailing gap).
int textWidth(const std::string &text);
// Draws text with its top-left at (x, y); characters the font lacks are
// drawn as a box.
void drawText(Picture &picture, const std::string &text, int x, int y, std::uint32_t colour);
