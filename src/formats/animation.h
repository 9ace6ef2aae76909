// Animation: a named sequence of frame rectangles of a sprite picture, with
// its play state. The library keeps one per name; each sprite plays a copy.
#pragma once

#include "xml/rect.h"

#include <cstdint>
#include <string>
#include <vector>

class XmlReader;

struct Animation {
    std::vector<Rect> frames;
    std::int32_t FrameLength = 30;
    std::int32_t currentFrame = 0;
    std::int32_t elapsed = 0;
    bool loop = true;
    bool playing = true;
    std::string name;

    // Moves the play state on by dt milliseconds.
    void advance(std::int32_t dt);
    // Two-way: reads the "Animation" element or writes it.
    void serialize(XmlReader &reader);
};
