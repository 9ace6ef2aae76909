// Start-up: the settings, the random seed, the window with its surfaces and
// the pictures every level shares.
#pragma once

#include "formats/settings.h"

#include <string>

inline constexpr const char *kWindowCaption = "Gorlak Zombies - Release 1";

// Opens the window and loads the background, collectable and lawnmower
// pictures. False, with a line on standard error, when the window cannot be
// opened or a picture cannot be loaded.
bool initVideo(int width, int height, const std::string &caption, int pixelSize, bool fullscreen);

// Steps 1 to 5 of start-up, with the settings read in step 1 left in
// `settings`. False when the game cannot run; the reason has been written to
// standard error.
bool startUp(Settings &settings);
