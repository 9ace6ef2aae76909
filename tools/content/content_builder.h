// Builds every generated content file from the art sources: sprite sheets,
// hint pictures, backgrounds, level pictures, sounds, icons and the animations file.
#pragma once

#include "sprite_sheet.h"

#include <cstdint>
#include <string>
#include <vector>

struct GeneratedFile {
    std::string path;  // relative to the output folder, e.g. "data/gfx/door.png"
    std::vector<std::uint8_t> bytes;
};

// Sources are read from artDir:
//   sprites/NAME.txt      -> data/gfx/NAME.png (animations into animations.xml)
//   hints/NAME.txt        -> data/gfx/hints/HINT.png for every hint,
//                            data/gfx/BANNER.png for every banner
//   backgrounds/NAME.txt  -> data/gfx/NAME.png
//   levels/NAME.txt       -> data/levels/NAME.png
//   sounds/NAME.txt       -> data/sfx/NAME.wav
//   icons/NAME.txt        -> data/gfx/icon.png (the window's) and
//                            packaging/icons/hicolor/SxS/apps/NAME.png
// Files are listed in a fixed order. Throws ContentError on a faulty source.
std::vector<GeneratedFile> buildContent(const std::string &artDir);

// The animations file for the given animations; each group is headed by a
// comment naming its picture.
struct AnimationGroup {
    std::string picture;
    std::vector<AnimationEntry> animations;
};
std::string animationsXml(const std::vector<AnimationGroup> &groups);
