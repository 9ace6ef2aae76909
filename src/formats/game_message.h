// GameMessage: a sprite placed in a level that shows while the player is
// near its trigger point; it may switch its animation once after a delay.
#pragma once

#include "gfx/sprite.h"
#include "gfx/surface.h"
#include "world/vec2.h"

#include <cstdint>
#include <memory>
#include <string>

class XmlReader;

struct GameMessage {
    GameMessage();
    ~GameMessage();
    GameMessage(const GameMessage &) = delete;
    GameMessage &operator=(const GameMessage &) = delete;

    std::uint32_t created = 0;  // clock time when the record was made
    bool Timed = false;
    std::uint32_t HowLong = 0;
    std::string TimedEvent;
    Vec2 position;
    float radius = 0.0f;  // a message without "radius" is never shown
    bool shown = false;
    std::unique_ptr<Sprite> sprite;  // null when the message has no picture
    SurfacePtr image;
    std::string animationName;

    // The sprite's top-left, kept for writing the record back.
    int spriteX = 0;
    int spriteY = 0;
    std::string imageFile;
    bool hasRadius = false;

    // Two-way: reads the "GameMessage" element or writes it.
    void serialize(XmlReader &reader);
};
