#include "gfx/surface.h"

#include "world/picture_file.h"

SurfacePtr loadPicture(const std::string &fileName)
{
    if (fileName.empty()) {
        return SurfacePtr();
    }
    return SurfacePtr(readPictureFile(fileName));
}
