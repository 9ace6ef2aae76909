#include "gfx/surface.h"

#include <utility>

#include "gfx/surface_ops.h"
#include "world/picture_file.h"

SurfacePtr loadPicture(const std::string &fileName)
{
    if (fileName.empty()) {
        return SurfacePtr();
    }
    return SurfacePtr(readPictureFile(fileName));
}

SurfacePtr loadScreenPicture(const std::string &fileName)
{
    SurfacePtr picture = loadPicture(fileName);
    if (picture == nullptr || SDL_GetVideoSurface() == nullptr) {
        return picture;
    }
    // An alpha channel stays an alpha channel; a colour key or a whole-picture
    // alpha is carried over by the plain conversion.
    const bool alphaChannel = (picture->flags & SDL_SRCALPHA) != 0 && picture->format->Amask != 0;
    SurfacePtr converted(toScreenLayout(picture.get(), alphaChannel));
    return converted != nullptr ? std::move(converted) : std::move(picture);
}
