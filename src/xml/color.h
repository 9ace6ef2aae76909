// Color: four 8-bit components; in data files an element with the
// attributes "r", "g", "b", "a".
#pragma once

#include <cstdint>

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;

    bool operator==(const Color &) const = default;
};
