// Rect: four signed integers x, y, w, h; in data files an element with the
// attributes "x", "y", "w", "h".
#pragma once

#include <cstdint>

class XmlReader;

struct Rect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t w = 0;
    std::int32_t h = 0;

    bool operator==(const Rect &) const = default;

    // Attributes "x", "y", "w", "h"; an absent one leaves its field as it is.
    void serialize(XmlReader &reader);
};
