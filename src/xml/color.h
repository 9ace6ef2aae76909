// Color: four 8-bit components; in data files an element with the
// attributes "r", "g", "b", "a".
#pragma once

#include <cstdint>

class XmlReader;

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;

    bool operator==(const Color &) const = default;

    // Attributes "r", "g", "b", "a"; each component takes the low 8 bits of
    // its number (300 gives 44, -1 gives 255); an absent one keeps its value.
    void serialize(XmlReader &reader);
};
