// Application icons from text pixel art: a few drawings of different sizes
// in one palette, and the icon sizes made from them, each by enlarging a
// drawing a whole number of times or by trimming its clear border.
#pragma once

#include "picture.h"

#include <string>
#include <vector>

struct IconPicture {
    int size = 0;  // width and height in pixels
    Picture picture;
};

struct IconSet {
    std::vector<IconPicture> icons;  // in source order
    Picture window;                  // the game window's own icon
};

// Reads an icon source:
//   colour C rrggbb[aa]|clear   what character C paints
//   drawing N                   an N x N drawing; N rows of N characters follow
//   icon SIZE N                 a SIZE x SIZE icon from the N drawing: enlarged
//                               SIZE / N times, or, when SIZE is smaller, with
//                               the (N - SIZE) / 2 clear pixels of its edge cut
//   window N                    the window icon is the N drawing as it is
// fileName only serves the error messages.
IconSet readIcons(const std::string &fileName, const std::string &content);

// The picture enlarged factor times in both directions, pixel for pixel.
Picture enlarged(const Picture &picture, int factor);
