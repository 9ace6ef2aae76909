#include "content/reach_check.h"
#include "content/source_text.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

ReachReport reach(const std::string &source)
{
    return checkReach(readLevel("test.txt", source));
}

}  // namespace

TEST(ReachCheck, jump_height_limits_what_can_be_taken)
{
    // A jump lifts the body about 50 pixels: a gem 38 above the centre of a
    // standing body is taken, one 73 above is not.
    const ReachReport report = reach("ground rect 0 240 256 16\nstart 20 239\ndoor 200 219\n"
                                     "collect 100 160\ncollect 100 195\n");
    EXPECT_TRUE(report.doorReached);
    ASSERT_EQ(report.missedGems.size(), 1u);
    EXPECT_EQ(report.missedGems[0].y, 160);
}

TEST(ReachCheck, low_steps_are_walked_and_high_walls_stop_the_body)
{
    // 3-pixel steps need no jump; a wall taller than a jump hides the door.
    const ReachReport steps = reach("ground rect 0 240 256 16\nground rect 100 237 156 3\nground rect 130 234 126 3\n"
                                    "start 20 239\ndoor 200 213\n");
    EXPECT_TRUE(steps.doorReached);
    const ReachReport wall = reach("ground rect 0 240 256 16\nground rect 120 160 6 80\nstart 20 239\ndoor 200 219\n");
    EXPECT_FALSE(wall.doorReached);
}

TEST(ReachCheck, reports_pits_the_player_cannot_leave)
{
    const ReachReport report = reach("ground rect 0 240 256 16\nground rect 100 170 4 70\nground rect 160 170 4 70\n"
                                     "ground rect 70 200 30 4\nstart 20 239\ndoor 30 219\ncollect 130 230\n");
    // The gem in the pit is reachable from the ledge, but nothing leads back.
    EXPECT_TRUE(report.missedGems.empty());
    EXPECT_TRUE(report.doorReached);
    EXPECT_FALSE(report.trappedPlaces.empty());
}

TEST(ReachCheck, every_shipped_level_can_be_finished)
{
    const std::filesystem::path levels = std::filesystem::path(GORLAK_SOURCE_DIR) / "art" / "levels";
    int checked = 0;
    for (const auto &entry : std::filesystem::directory_iterator(levels)) {
        const LevelLayout level = readLevel(entry.path().string(), readTextFile(entry.path().string()));
        if (level.outro)
            continue;
        const ReachReport report = checkReach(level);
        EXPECT_TRUE(report.doorReached) << entry.path();
        for (const LevelPoint &gem : report.missedGems)
            ADD_FAILURE() << entry.path() << ": gem at " << gem.x << "," << gem.y << " cannot be taken";
        for (const LevelPoint &place : report.trappedPlaces)
            ADD_FAILURE() << entry.path() << ": no way to the door from " << place.x << "," << place.y;
        ++checked;
    }
    EXPECT_GE(checked, 6);
}
