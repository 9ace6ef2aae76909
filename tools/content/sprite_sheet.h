// Sprite sheets from text pixel art: a palette legend (one character per
// pixel) and frames drawn as character grids, grouped into named animations.
// The sheet lays each animation out on its own row of frames.
#pragma once

#include "picture.h"

#include <string>
#include <vector>

struct AnimationFrames {
    std::string name;
    bool loop = true;
    int frameLength = 30;
    std::vector<Picture> frames;
};

// One frame rectangle of an animation, in sheet pixels.
struct FrameRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

struct AnimationEntry {
    std::string name;
    bool loop = true;
    int frameLength = 30;
    std::vector<FrameRect> rects;
};

struct SpriteSheet {
    Picture picture;
    std::vector<AnimationEntry> animations;
};

// Reads a sprite source:
//   frame W H                 size of every frame
//   colour C rrggbb[aa]|clear what character C paints
//   anim NAME loop|once MS    starts an animation; its frames follow as
//                             grids of H rows of W characters
//   anim NAME mirror OTHER    the frames of OTHER flipped left to right
//   picture still             a single picture without animations
// fileName only serves the error messages.
SpriteSheet readSpriteSheet(const std::string &fileName, const std::string &content);

// Lays animations out, one row of frames each.
SpriteSheet layOutSheet(const std::vector<AnimationFrames> &animations, int frameW, int frameH);

Picture mirrored(const Picture &picture);
