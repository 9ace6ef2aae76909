#include "gfx/surface.h"

#include <SDL_image.h>

SurfacePtr loadPicture(const std::string &fileName)
{
    if (fileName.empty()) {
        return SurfacePtr();
    }
    return SurfacePtr(IMG_Load(fileName.c_str()));
}
