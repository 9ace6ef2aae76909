// Reading a picture in the browser. The page decodes every picture of the
// content while it loads; SDL's IMG_Load hands out a decoded one with its
// pixels read into memory as R, G, B, A bytes, the layout SDL_image gives a
// PNG with alpha on the desktop.
#include "world/picture_file.h"

#include <SDL_image.h>

SDL_Surface *readPictureFile(const std::string &fileName)
{
    SDL_Surface *picture = IMG_Load(fileName.c_str());
    if (picture != nullptr) {
        // Blend by the alpha channel, as SDL_image marks it on the desktop.
        picture->flags |= SDL_SRCALPHA;
    }
    return picture;
}
