#include "gfx/video.h"

#include "gfx/picture_cache.h"
#include "gfx/scene_render.h"
#include "gfx/sprite.h"

#include <cstdio>

Video video;
Rect camera;
int pixelSize = 4;
std::uint32_t groundColor = kStartGroundColor;
std::unique_ptr<Sprite> doorSprite;

bool setWindowIcon(const std::string &fileName)
{
    const SurfacePtr icon = loadPicture(fileName);
    if (icon == nullptr) {
        std::fprintf(stderr, "%s: cannot load the window icon, going on without it: %s\n", fileName.c_str(),
                     SDL_GetError());
        return false;
    }
    // SDL copies the picture; its alpha channel becomes the icon's mask.
    SDL_WM_SetIcon(icon.get(), nullptr);
    return true;
}

bool openVideo(int width, int height, const std::string &caption, int scale, bool fullscreen,
               const std::string &iconFile)
{
    pixelSize = scale;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) != 0) {
        std::fprintf(stderr, "Cannot start the video system: %s\n", SDL_GetError());
        return false;
    }
    // SDL 1.2 takes the icon only before the video mode is set.
    if (!iconFile.empty()) {
        setWindowIcon(iconFile);
    }
    // Always 32 bits: every drawing routine writes raw 32-bit pixels.
    video.screen = SDL_SetVideoMode(width * scale, height * scale, 32,
                                    SDL_SWSURFACE | (fullscreen ? SDL_FULLSCREEN : 0));
    if (video.screen == nullptr || video.screen->format->BytesPerPixel != 4) {
        std::fprintf(stderr, "Cannot open a %dx%d 32-bit window: %s\n", width * scale, height * scale,
                     SDL_GetError());
        return false;
    }
    SurfacePtr temporary(SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0x000000FF, 0x0000FF00,
                                              0x00FF0000, 0xFF000000));
    if (temporary != nullptr) {
        video.world.reset(SDL_DisplayFormat(temporary.get()));
    }
    if (video.world == nullptr) {
        std::fprintf(stderr, "Cannot create the %dx%d world surface: %s\n", width, height, SDL_GetError());
        return false;
    }
    camera = Rect{0, 0, width, height};
    SDL_WM_SetCaption(caption.c_str(), caption.c_str());
    return true;
}

bool toggleFullScreen()
{
    SDL_Surface *screen = video.screen;
    if (screen == nullptr) {
        return false;
    }
    if (SDL_WM_ToggleFullScreen(screen) != 0) {
        return true;
    }
    // Where the window system cannot switch in place, a new mode is set; the
    // old screen surface may be gone after that, so its size is kept here.
    const int width = screen->w;
    const int height = screen->h;
    const Uint32 fullscreen = (screen->flags & SDL_FULLSCREEN) ^ SDL_FULLSCREEN;
    SDL_Surface *switched = SDL_SetVideoMode(width, height, 32, SDL_SWSURFACE | fullscreen);
    if (switched == nullptr || switched->format->BytesPerPixel != 4) {
        std::fprintf(stderr, "Cannot switch to %s: %s\n", fullscreen != 0 ? "full screen" : "a window",
                     SDL_GetError());
        video.screen = SDL_SetVideoMode(width, height, 32, SDL_SWSURFACE | (fullscreen ^ SDL_FULLSCREEN));
        return false;
    }
    video.screen = switched;
    return true;
}

void resetVideo()
{
    doorSprite.reset();
    clearPictureCache();
    video.doorImage.reset();
    video.pausedImage.reset();
    video.background.reset();
    video.collectableImage.reset();
    video.lawnmowerImage.reset();
    video.world.reset();
    video.screen = nullptr;
    camera = Rect{};
    pixelSize = 4;
    groundColor = kStartGroundColor;
    resetSceneRender();
}
