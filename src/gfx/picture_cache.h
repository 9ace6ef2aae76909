// Pictures shared by many sprites (the player's, the zombies'): each file is
// loaded on first use and kept, owned by the cache, until the cache is
// cleared. Sprites only link to them.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <string>

// The picture of that file, or null when it cannot be loaded; a missing file
// is reported once on standard error, not at every request.
SDL_Surface *sharedPicture(const std::string &fileName);

// Frees every picture. Sprites that link to them must be gone first.
void clearPictureCache();
// Number of file names the cache holds, failed loads included.
std::size_t pictureCacheSize();
