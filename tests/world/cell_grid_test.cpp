#include "world/blood_cell.h"
#include "world/cell_grid.h"
#include "world/grid_simulation.h"
#include "world/level_markers.h"
#include "world/random.h"
#include "world/solid_cell.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

class GridSteps : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGridSimulation();
        seedIntegerGenerator(3);
    }
    void TearDown() override { resetGridSimulation(); }

    BloodCell *blood(int x, int y)
    {
        grid.placeBlood(x, y);
        return static_cast<BloodCell *>(grid.cellAt(x, y));
    }
    void groundRow(int y, int from, int to)
    {
        for (int x = from; x <= to; ++x) {
            grid.slot(x, y) = std::make_unique<SolidCell>();
        }
    }
    void forceFullSweepNext() { gridSimulation.sweepCounter = 10; }

    CellGrid grid{16, 16};
};

// Records what a level picture hands out, and whether ground was already
// built under each zombie when it was handed out.
struct Recorder : LevelPictureListener {
    void zombieSpawn(CellGrid &grid, int x, int y) override
    {
        zombies.emplace_back(x, y);
        const Cell *below = grid.cellAt(x, y + 1);
        groundBelow.push_back(below != nullptr && below->kind() == Solid);
    }
    void collectable(int x, int y) override { collectables.emplace_back(x, y); }

    std::vector<std::pair<int, int>> zombies;
    std::vector<bool> groundBelow;
    std::vector<std::pair<int, int>> collectables;
};

// Writes a picture of the given size filled with black, with the given
// pixels coloured, as a BMP in the temporary directory.
std::string writePicture(const std::string &name, int w, int h,
                         const std::vector<std::pair<std::pair<int, int>, std::uint32_t>> &pixels)
{
    SDL_Surface *surface = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(surface, nullptr, 0);
    for (const auto &[at, color] : pixels) {
        auto *row = reinterpret_cast<std::uint32_t *>(static_cast<std::uint8_t *>(surface->pixels) +
                                                      at.second * surface->pitch);
        row[at.first] = color;
    }
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    SDL_SaveBMP(surface, path.c_str());
    SDL_FreeSurface(surface);
    return path;
}

}  // namespace

TEST_F(GridSteps, nothing_moves_before_the_first_full_sweep)
{
    BloodCell *cell = blood(8, 2);
    for (int step = 1; step <= 10; ++step) {
        grid.step(0);
    }
    EXPECT_EQ(cell->y(), 2);
    EXPECT_EQ(gridSimulation.sweepCounter, 10);
    grid.step(0);  // step 11: full sweep
    EXPECT_EQ(gridSimulation.sweepCounter, 0);
    EXPECT_EQ(cell->y(), 3);
    // From now on its own moves keep it in the dirty rectangle.
    grid.step(0);
    grid.step(0);
    EXPECT_EQ(cell->y(), 5);
    EXPECT_EQ(gridSimulation.dirtyRect.minY, 5);
    EXPECT_EQ(gridSimulation.dirtyRect.maxY, 5);
    EXPECT_EQ(gridSimulation.simulationStep, 13);
}

TEST_F(GridSteps, full_sweep_every_eleventh_step_wakes_sleepers)
{
    groundRow(15, 0, 15);
    BloodCell *cell = blood(8, 14);
    groundRow(14, 7, 7);
    groundRow(14, 9, 9);
    forceFullSweepNext();
    // Boxed in, the cell rests on every full sweep and sleeps after 51 of them.
    int steps = 0;
    while (!cell->asleep() && steps < 11 * 60) {
        grid.step(0);
        ++steps;
    }
    ASSERT_TRUE(cell->asleep());
    EXPECT_EQ(steps, 11 * 52 + 1);
    // Take the floor away: dirty sweeps skip the sleeper, the next full
    // sweep moves it.
    grid.removeCell(7, 15);
    grid.removeCell(8, 15);
    grid.removeCell(9, 15);
    gridSimulation.dirtyRect.include(8, 14);
    while (gridSimulation.sweepCounter < 10) {
        grid.step(0);
        EXPECT_EQ(cell->y(), 14);
    }
    grid.step(0);
    EXPECT_EQ(gridSimulation.sweepCounter, 0);
    EXPECT_EQ(cell->y(), 15);
    EXPECT_FALSE(cell->asleep());
}

TEST_F(GridSteps, full_row_mark_follows_top_of_full_block)
{
    groundRow(15, 0, 15);
    groundRow(14, 0, 15);
    groundRow(13, 0, 15);
    groundRow(12, 0, 10);
    forceFullSweepNext();
    grid.step(0);
    EXPECT_EQ(gridSimulation.fullRowMark, 13);

    // The mark moves only when the start row itself is full.
    groundRow(12, 11, 15);
    forceFullSweepNext();
    grid.step(0);
    EXPECT_EQ(gridSimulation.fullRowMark, 12);
    grid.removeCell(5, 14);
    groundRow(11, 0, 15);
    forceFullSweepNext();
    grid.step(14);  // starts at row 14, which is no longer full
    EXPECT_EQ(gridSimulation.fullRowMark, 12);
}

TEST_F(GridSteps, full_sweep_leaves_rows_below_the_start)
{
    groundRow(15, 0, 15);
    groundRow(14, 0, 15);
    grid.removeCell(8, 14);
    BloodCell *below = blood(8, 13);
    BloodCell *above = blood(3, 5);
    gridSimulation.fullRowMark = 10;
    forceFullSweepNext();
    grid.step(0);
    EXPECT_EQ(below->y(), 13);
    EXPECT_EQ(above->y(), 6);
}

TEST(CellGrid, slots_clamp_and_never_leave_the_store)
{
    CellGrid grid(16, 8);
    EXPECT_EQ(&grid.slot(-5, -5), &grid.slot(0, 0));
    EXPECT_EQ(&grid.slot(16, 3), &grid.slot(0, 4));
    EXPECT_EQ(&grid.slot(100, 100), &grid.slot(16, 8));
    EXPECT_EQ(&grid.rawSlot(3, 2), &grid.slot(3, 2));
    // Out-of-store raw coordinates fall back to the clamped slot.
    EXPECT_EQ(&grid.rawSlot(-1, 0), &grid.slot(-1, 0));
    EXPECT_EQ(&grid.rawSlot(1 << 30, 1 << 30), &grid.slot(16, 8));
    EXPECT_EQ(&grid.rawSlot(-(1 << 30), 1 << 30), &grid.slot(0, 8));
}

TEST(CellGrid, place_remove_and_clear_own_cells)
{
    CellGrid grid(16, 8);
    grid.slot(2, 2) = std::make_unique<SolidCell>();
    grid.placeBlood(2, 2);
    EXPECT_EQ(grid.cellAt(2, 2)->kind(), Solid);
    grid.placeBlood(3, 2);
    grid.placeBlood(5, 100);  // clamped into the spare row
    EXPECT_EQ(grid.bloodCellCount(), 2);
    grid.removeCell(3, 2);
    EXPECT_EQ(grid.cellAt(3, 2), nullptr);
    EXPECT_EQ(grid.bloodCellCount(), 1);
    grid.clear();
    EXPECT_EQ(grid.cellAt(2, 2), nullptr);
    EXPECT_EQ(grid.cellAt(5, 8), nullptr);
    EXPECT_EQ(grid.bloodCellCount(), 0);
}

TEST(CellGrid, builds_bottom_up_with_markers_anywhere)
{
    resetLevelMarkers();
    CellGrid grid(256, 256);
    const std::string path = writePicture("gorlak_grid_build.bmp", 300, 280,
                                          {{{10, 20}, 0xFFFFFF},
                                           {{11, 20}, 0xFF0000},
                                           {{12, 20}, 0x123456},
                                           {{10, 19}, 0x00FF00},
                                           {{40, 201}, 0xFFFFFF},
                                           {{40, 200}, 0x00FF00},
                                           {{50, 30}, 0x00FFFF},
                                           {{260, 10}, 0xFFFFFF},
                                           {{10, 260}, 0xFF0000},
                                           {{280, 270}, 0x0000FF},
                                           {{290, 5}, 0xFF00FF}});
    Recorder recorder;
    ASSERT_TRUE(grid.buildFromImage(path, &recorder));
    std::filesystem::remove(path);

    EXPECT_EQ(grid.cellAt(10, 20)->kind(), Solid);
    ASSERT_EQ(grid.cellAt(11, 20)->kind(), Blood);
    EXPECT_EQ(grid.cellAt(11, 20)->state(), Falling);
    EXPECT_EQ(static_cast<BloodCell *>(grid.cellAt(11, 20))->x(), 11);
    EXPECT_EQ(grid.cellAt(12, 20), nullptr);
    EXPECT_EQ(grid.cellAt(40, 201)->kind(), Solid);
    // Nothing outside the 256 x 256 grid is built.
    EXPECT_EQ(grid.cellAt(0, 11), nullptr);
    EXPECT_EQ(grid.bloodCellCount(), 1);

    const std::vector<std::pair<int, int>> zombies{{40, 200}, {10, 19}};
    EXPECT_EQ(recorder.zombies, zombies);
    EXPECT_EQ(recorder.groundBelow, (std::vector<bool>{true, true}));
    EXPECT_EQ(recorder.collectables, (std::vector<std::pair<int, int>>{{50, 30}}));
    EXPECT_EQ(playerStart.x, 280);
    EXPECT_EQ(playerStart.y, 257);
    EXPECT_EQ(doorRect.x, 290);
    EXPECT_EQ(doorRect.y, 5);
    resetLevelMarkers();
}

TEST(CellGrid, missing_picture_builds_nothing_and_says_so)
{
    CellGrid grid(16, 16);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(grid.buildFromImage("no/such/level.png"));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("no/such/level.png"), std::string::npos) << err;
    EXPECT_EQ(grid.bloodCellCount(), 0);
}
