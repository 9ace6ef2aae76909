// Every test must leave the program-wide state as it found it, whatever the
// order tests run in. This listener starts each test from the program's own
// random state and, after each test, fails the test that left something
// behind (a driven clock, cells, zombies, particles, collectables, a moved
// camera, loaded pictures, an open window, another working directory),
// then puts everything back so that one leak does not spoil the rest.
#include "core/collectables.h"
#include "core/program.h"
#include "core/program_state.h"
#include "formats/animation_library.h"
#include "gfx/door_sprite.h"
#include "gfx/picture_cache.h"
#include "gfx/scene_render.h"
#include "gfx/video.h"
#include "platform/clock.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/game_events.h"
#include "world/grid_simulation.h"
#include "world/random.h"
#include "world/world_state.h"
#include "world/zombie.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

bool gridIsEmpty()
{
    CellGrid &grid = world.grid;
    for (int y = 0; y <= grid.height(); ++y) {
        for (int x = 0; x <= grid.width(); ++x) {
            if (grid.cellAt(x, y) != nullptr) {
                return false;
            }
        }
    }
    return true;
}

bool gridSimulationAtRest()
{
    const GridSimulation rest;
    const GridSimulation &now = world.gridSimulation;
    return now.simulationStep == rest.simulationStep && now.sweepCounter == rest.sweepCounter &&
           now.fullRowMark == rest.fullRowMark && now.dirtyRect.minX == rest.dirtyRect.minX &&
           now.dirtyRect.minY == rest.dirtyRect.minY && now.dirtyRect.maxX == rest.dirtyRect.maxX &&
           now.dirtyRect.maxY == rest.dirtyRect.maxY;
}

class ProgramStateCheck : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo &) override
    {
        directory_ = std::filesystem::current_path();
        resetRandom();
    }

    void OnTestEnd(const testing::TestInfo &) override
    {
        std::vector<std::string> left;
        const auto check = [&left](bool atRest, const char *what) {
            if (!atRest) {
                left.push_back(what);
            }
        };
        check(runningGame() == nullptr, "a running program");
        check(!wallclock::isDriven(), "the wall clock driven");
        check(!gameclock::isHeld() && gameclock::timeHeld() == 0, "the game clock held");
        check(gridIsEmpty(), "cells in the world grid");
        check(gridSimulationAtRest(), "the grid's step counters");
        check(world.zombies.empty(), "zombies");
        check(world.particles.empty(), "blood particles");
        check(world.collectables.empty(), "collectables");
        check(world.playerStart.x == -1 && world.playerStart.y == -1 && world.doorRect == Rect{0, 0, 13, 21}, "level markers");
        check(camera == Rect{} && pixelSize == 4, "the camera or the pixel size");
        check(groundColor == 0xFF996600u, "the ground colour");
        check(video.world == nullptr && video.background == nullptr && video.collectableImage == nullptr &&
                  video.lawnmowerImage == nullptr,
              "start-up pictures");
        check(doorSprite == nullptr, "the door sprite");
        check(pictureCacheSize() == 0, "shared pictures");
        check(animationLibrary().size() == 0, "animations");
        check(gameEventListenerCount() == 0, "game event listeners");
        check(SDL_WasInit(SDL_INIT_EVERYTHING) == 0, "SDL started");
        check(std::filesystem::current_path() == directory_, "another working directory");
        if (left.empty()) {
            return;
        }
        std::string list;
        for (const std::string &what : left) {
            list += (list.empty() ? "" : ", ") + what;
        }
        ADD_FAILURE() << "the test left behind: " << list;
        if (runningGame() != nullptr) {
            stopProgram();
        }
        resetProgramState();
        SDL_Quit();
        wallclock::release();
        gameclock::reset();
        std::filesystem::current_path(directory_);
    }

    std::filesystem::path directory_;
};

// Registered before main() runs the tests.
const bool registered = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new ProgramStateCheck);
    return true;
}();

}  // namespace
