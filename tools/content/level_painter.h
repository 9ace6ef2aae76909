// Level pictures from a small text language. The picture uses the game's
// colour code: white ground, red blood, green zombie, cyan collectable,
// blue start (at the feet) and magenta door (top-left), black for nothing.
#pragma once

#include "picture.h"
#include "world/level_picture.h"

#include <string>
#include <vector>

struct LevelPoint {
    int x = 0;
    int y = 0;
};

// A rectangle of the world, in world pixels.
struct LevelArea {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

struct LevelLayout {
    Picture picture;
    // Where blood gathers in play (poured from above or spilled by the
    // mower) deep enough to swim; the picture holds nothing there.
    std::vector<LevelArea> pools;
    bool outro = false;
    std::vector<LevelPoint> starts;
    std::vector<LevelPoint> doors;
    std::vector<LevelPoint> zombies;
    std::vector<LevelPoint> collectables;
};

// The game's level colours, opaque.
constexpr std::uint32_t kLevelOpaque = 0xFF000000u;
constexpr std::uint32_t kLevelGround = kLevelOpaque | kLevelGroundColor;
constexpr std::uint32_t kLevelBlood = kLevelOpaque | kLevelBloodColor;
constexpr std::uint32_t kLevelZombie = kLevelOpaque | kLevelZombieColor;
constexpr std::uint32_t kLevelCollectable = kLevelOpaque | kLevelCollectableColor;
constexpr std::uint32_t kLevelStart = kLevelOpaque | kLevelStartColor;
constexpr std::uint32_t kLevelDoor = kLevelOpaque | kLevelDoorColor;
constexpr std::uint32_t kLevelEmpty = kLevelOpaque;

// Reads a level source and paints its 256 x 256 picture. Lines:
//   outro                              a closing scene: no start or door needed
//   MATERIAL rect X Y W H              MATERIAL is ground, blood or empty
//   MATERIAL line X1 Y1 X2 Y2 [T]      a line T pixels thick (downwards)
//   MATERIAL disc CX CY R
//   MATERIAL text X Y SCALE WORDS      letters of the pixel font
//   start X Y | door X Y | zombie X Y | collect X Y
//   pool X Y W H                       paints nothing: blood fills it in play
// Markers are painted last, over every shape. Checks that a playable level
// has one start and one door with room for the body and the door, and that
// every zombie stands above ground.
LevelLayout readLevel(const std::string &fileName, const std::string &content);
