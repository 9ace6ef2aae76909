#include "core/startup.h"

#include "core/collectables.h"
#include "core/game.h"
#include "formats/animation_library.h"
#include "formats/settings.h"
#include "gfx/door_sprite.h"
#include "gfx/picture_cache.h"
#include "gfx/scene_render.h"
#include "gfx/video.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/grid_simulation.h"
#include "world/random.h"
#include "world/world_state.h"
#include "world/zombie.h"

#include <cstdio>

namespace {

bool loadSharedPicture(SurfacePtr &target, const char *fileName, bool drawnEveryFrame = false)
{
    target = drawnEveryFrame ? loadScreenPicture(fileName) : loadPicture(fileName);
    if (target == nullptr) {
        std::fprintf(stderr, "%s: cannot load picture: %s\n", fileName, SDL_GetError());
        return false;
    }
    return true;
}

}  // namespace

bool initVideo(int width, int height, const std::string &caption, int scale, bool fullscreen)
{
    if (!openVideo(width, height, caption, scale, fullscreen, kWindowIconFile)) {
        return false;
    }
    return loadSharedPicture(video.background, "data/gfx/gorlak_background.png", true) &&
           loadSharedPicture(video.collectableImage, "data/gfx/collectable.png") &&
           loadSharedPicture(video.lawnmowerImage, "data/gfx/lawnmower.png");
}

bool startUp(Settings &settings)
{
    settings = loadSettings();
    const int width = settings.Width;
    const int height = settings.Height;
    const int scale = settings.PixelSize;
    const bool fullscreen = settings.Fullscreen;
    seedRandomFromTime();
    if (!initVideo(width, height, kWindowCaption, scale, fullscreen)) {
        return false;
    }
    if (!loadAnimationLibrary()) {
        return false;
    }
    // The player and zombie pictures are loaded here, once, so that a
    // missing one stops the game at start-up instead of leaving an
    // invisible player or invisible zombies.
    return createDoorSprite() && sharedPicture(kPlayerPictureFile) != nullptr &&
           sharedPicture(kZombiePictureFile) != nullptr;
}
