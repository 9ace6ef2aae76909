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

    // Moves the play state on by dt milliseconds. Several frames may pass in
    // one call; the rest of elapsed carries to the next.
    void advance(std::int32_t dt);
    // False when there is no frame or FrameLength is 0 or less: advancing
    // such an animation would divide by zero or index nothing.
    bool playable() const { return !frames.empty() && FrameLength > 0; }
    bool operator==(const Animation &) const = default;

    // Two-way: attributes "name" and "loop", a "FrameLength" child and one
    // "Rect" child per frame.
    void serialize(XmlReader &reader);
};
