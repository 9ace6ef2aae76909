#include "gfx/picture_cache.h"

#include "gfx/surface.h"

#include <cstdio>
#include <map>

namespace {

// A failed load is kept as a null entry so that it is reported only once.
std::map<std::string, SurfacePtr> &pictures()
{
    static std::map<std::string, SurfacePtr> cache;
    return cache;
}

}  // namespace

SDL_Surface *sharedPicture(const std::string &fileName)
{
    auto &cache = pictures();
    const auto found = cache.find(fileName);
    if (found != cache.end()) {
        return found->second.get();
    }
    SurfacePtr picture = loadPicture(fileName);
    if (picture == nullptr) {
        std::fprintf(stderr, "%s: cannot load picture: %s\n", fileName.c_str(), SDL_GetError());
    }
    SDL_Surface *link = picture.get();
    cache.emplace(fileName, std::move(picture));
    return link;
}

void clearPictureCache()
{
    pictures().clear();
}

std::size_t pictureCacheSize()
{
    return pictures().size();
}
