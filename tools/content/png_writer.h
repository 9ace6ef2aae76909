// Writes a Picture as an 8-bit PNG in the smallest plain form that keeps
// every pixel: a palette for an opaque picture of at most 256 colours, RGB
// for another opaque one, RGBA for one with any transparency (which the game
// then loads with its alpha channel, as before). Each row is filtered as
// suits it, or every row alike when that packs smaller. The output depends
// only on the pixels, so regenerated files compare equal byte for byte.
#pragma once

#include "picture.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<std::uint8_t> encodePng(const Picture &picture);
