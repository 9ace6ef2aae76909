// The program-wide graphics state: the window, the world surface everything
// is drawn into, the camera that maps world pixels onto it, the scale factor
// and the shared pictures loaded at start-up. resetVideo() puts it back to
// its start for tests.
#pragma once

#include "gfx/surface.h"
#include "xml/rect.h"

#include <cstdint>
#include <string>

struct Video {
    SDL_Surface *screen = nullptr;  // owned by SDL (SDL_SetVideoMode)
    SurfacePtr world;
    SurfacePtr background;
    SurfacePtr collectableImage;
    SurfacePtr lawnmowerImage;
};

extern Video video;
// The part of the 256 x 256 world shown on the world surface.
extern Rect camera;
// Screen pixels per world pixel, in both directions.
extern int pixelSize;

// The game window's icon, relative to the content directory.
inline constexpr const char *kWindowIconFile = "data/gfx/icon.png";

// Opens the window (width x height world pixels, enlarged by pixelSize) and
// makes the world surface; sets the camera and the caption, and the icon
// when iconFile names one. False, with a line on standard error, when no
// window can be had.
bool openVideo(int width, int height, const std::string &caption, int pixelSize, bool fullscreen,
               const std::string &iconFile = "");

// Gives the window to be opened the icon in the picture file. A missing or
// unreadable file is not worth stopping for: false, with one line on
// standard error naming it, and the window goes without an icon.
bool setWindowIcon(const std::string &fileName);

// Frees every surface and puts camera and pixelSize back to their start.
void resetVideo();
