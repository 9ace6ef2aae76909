// SurfacePtr: the owner of an SDL surface; it frees the surface when it goes.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>

struct SurfaceDeleter {
    void operator()(SDL_Surface *surface) const { SDL_FreeSurface(surface); }
};

using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// The picture file read by SDL_image into an owner; null when the file cannot be loaded.
SurfacePtr loadPicture(const std::string &fileName);

// The picture file in the screen's pixel layout, keeping its own
// transparency, so that drawing it needs no conversion: the background is
// drawn over the whole world surface every frame. Null when the file cannot
// be loaded; the picture as loaded when there is no screen to match.
SurfacePtr loadScreenPicture(const std::string &fileName);
