// Hint pictures: short texts in the pixel font on a dark panel, one sheet
// per hint with the frames that the shared hint animations show.
#pragma once

#include "sprite_sheet.h"

#include <string>
#include <vector>

struct HintPicture {
    std::string name;  // file name without ".png"
    Picture sheet;
};

struct HintSet {
    std::vector<HintPicture> hints;
    // Words on their own, without panel or animations.
    std::vector<HintPicture> banners;
    // The animations every hint sheet shares (same frame rectangles).
    std::vector<AnimationEntry> animations;
};

// Reads a hint source:
//   size W H                     size of every hint frame
//   hint NAME TEXT | TEXT ...    one hint; "|" starts a new line of text
//   banner NAME SCALE TEXT       one line of text, the font enlarged SCALE
//                                times, light letters with a dark outline
//                                and shadow on a clear ground
// Every hint sheet holds the frames: three fading in, the full hint, and
// empty.
HintSet readHints(const std::string &fileName, const std::string &content);
