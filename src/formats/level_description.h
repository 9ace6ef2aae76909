// LevelDescription: what one level file says: its pictures, ground colour,
// camera pan, the blood sucker and outro flags, and its game messages.
#pragma once

#include "formats/game_message.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class XmlReader;

struct LevelDescription {
    std::string LevelImage;
    std::string BackgroundImage;
    // Packed r << 24 | g << 16 | b << 8 | a; the renderer writes it as a raw
    // 0xAARRGGBB pixel. The loader fills in the colour in force beforehand.
    std::uint32_t GroundColor = 0;
    bool BloodSucker = false;
    bool Outro = false;
    bool CameraPan = false;
    float CameraPanSpeed = 0.25f;
    float CameraPanX = 0.0f;
    float CameraPanY = 0.0f;
    std::vector<std::unique_ptr<GameMessage>> messages;

    // Two-way: reads the level's root element or writes it.
    void serialize(XmlReader &reader);
};

// Reads a level file into the description. False when the file cannot be
// read or has no top element. Messages without "radius" are reported on
// standard error, naming the file; they are never shown.
bool loadLevelDescription(LevelDescription &description, const std::string &fileName);

// The colour components of a packed ground colour, and back.
struct Color;
Color unpackGroundColor(std::uint32_t packed);
std::uint32_t packGroundColor(const Color &color);
