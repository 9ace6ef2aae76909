#include "core/program_state.h"

#include "core/collectables.h"
#include "formats/animation_library.h"
#include "gfx/video.h"
#include "platform/clock.h"
#include "world/random.h"
#include "world/world_state.h"

void resetProgramState()
{
    world.reset();
    // The collectables' sprite links to a picture freed with the graphics.
    resetCollectableSprite();
    resetVideo();
    animationLibrary().clear();
    gameclock::reset();
    resetRandom();
}
