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
