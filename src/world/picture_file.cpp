#include "world/picture_file.h"

#include <SDL_image.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

SDL_Surface *readPictureFile(const std::string &fileName)
{
    // libpng writes a line of its own ("libpng error: ...") to standard error
    // before SDL_image returns a broken file's failure. Standard error is
    // pointed at /dev/null while decoding so that the caller's line, which
    // names the file, is the only one.
    std::fflush(stderr);
    const int savedError = dup(STDERR_FILENO);
    const int nullDevice = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (savedError >= 0 && nullDevice >= 0) {
        dup2(nullDevice, STDERR_FILENO);
    }
    SDL_Surface *picture = IMG_Load(fileName.c_str());
    if (savedError >= 0 && nullDevice >= 0) {
        dup2(savedError, STDERR_FILENO);
    }
    if (nullDevice >= 0) {
        close(nullDevice);
    }
    if (savedError >= 0) {
        close(savedError);
    }
    return picture;
}
