#include "gfx/surface.h"

#include <utility>

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
    SurfacePtr converted(alphaChannel ? SDL_DisplayFormatAlpha(picture.get()) : SDL_DisplayFormat(picture.get()));
    return converted != nullptr ? std::move(converted) : std::move(picture);
}
