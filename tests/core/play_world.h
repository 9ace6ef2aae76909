// A small world for the play-rule tests: a 64 x 48 32-bit world surface
// under the dummy video driver, a driven clock, seeded randomness, an empty
// grid and empty object lists.
#pragma once

#include "core/collectables.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "formats/animation_library.h"
#include "gfx/pixel_ops.h"
#include "gfx/sprite.h"
#include "gfx/video.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "platform/clock.h"
#include "world/world_state.h"
#include "world/random.h"
#include "world/zombie.h"

#include <gtest/gtest.h>

class PlayWorld : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(openVideo(64, 48, "play test", 1, false));
        SDL_FillRect(video.world.get(), nullptr, 0);
        wallclock::drive(10000);
        seedRandom(99);
    }
    void TearDown() override
    {
        // Also forgets pictures looked up here, found or not.
        resetProgramState();
        resetRandom();  // the generators back to their program-start state
        wallclock::release();
        SDL_Quit();
    }

    std::uint32_t rgb(int x, int y) const { return getPixel(video.world.get(), x, y) & 0xFFFFFF; }
    // An opaque picture of one colour, and an animation showing it whole.
    static SurfacePtr picture(int w, int h, std::uint32_t rgb)
    {
        SurfacePtr s(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000));
        SDL_FillRect(s.get(), nullptr, 0xFF000000 | rgb);
        return s;
    }
    static void addAnimation(const std::string &name, Rect frame)
    {
        auto animation = std::make_unique<Animation>();
        animation->name = name;
        animation->frames = {frame};
        animationLibrary().add(std::move(animation));
    }

    std::unique_ptr<CellGrid> grid = std::make_unique<CellGrid>();
};
