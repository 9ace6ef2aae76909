// Reading a picture file with SDL_image, quietly: the caller reports a
// failure itself, with the file name, in one line.
#pragma once

#include <SDL.h>

#include <string>

// The decoded picture, or null (SDL_GetError says why) when the file cannot
// be read. The caller owns the surface.
SDL_Surface *readPictureFile(const std::string &fileName);
