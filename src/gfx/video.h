// The program-wide graphics state, all in one place: the window, the world
// surface everything is drawn into, the camera that maps world pixels onto
// it, the scale factor, the ground colour, the pictures loaded at start-up
// and the door sprite. resetVideo() puts all of it back to its start, the
// shared picture cache included.
#pragma once

#include "gfx/surface.h"
#include "xml/rect.h"

#include <cstdint>
#include <memory>
#include <string>

class Sprite;

struct Video {
    SDL_Surface *screen = nullptr;  // owned by SDL (SDL_SetVideoMode)
    SurfacePtr world;
    SurfacePtr background;
    SurfacePtr collectableImage;
    SurfacePtr lawnmowerImage;
    SurfacePtr doorImage;
    SurfacePtr pausedImage;  // loaded the first time the game pauses
};

extern Video video;
// The part of the 256 x 256 world shown on the world surface.
extern Rect camera;
// Screen pixels per world pixel, in both directions.
extern int pixelSize;
// Colour of ground cells, replaced by each level; 0 shows the world surface
// through the ground.
extern std::uint32_t groundColor;
// The exit door: one sprite made at start-up and kept for the whole run.
extern std::unique_ptr<Sprite> doorSprite;

// The banner over a paused game, relative to the content directory.
inline constexpr const char *kPausedPictureFile = "data/gfx/paused.png";

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

// Switches the window between full screen and a window, keeping its size
// and its 32 bits. False, with one line on standard error, when neither
// the window system nor a new video mode can switch it; the window stays.
bool toggleFullScreen();

// Drops the door sprite, frees every surface and shared picture, and puts
// the camera, the pixel size, the ground colour and the renderer's row
// overlay back to their start. Sprites that link to the pictures must be
// gone first.
void resetVideo();
