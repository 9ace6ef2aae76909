// Writes a Picture as an 8-bit RGBA PNG. The output depends only on the
// pixels, so regenerated files compare equal byte for byte.
#pragma once

#include "picture.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<std::uint8_t> encodePng(const Picture &picture);
