#include "content/reach_check.h"
#include "content/source_text.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

ReachReport reach(const std::string &layout)
{
    return checkReach(readLevel("test.txt", "ground rect 0 240 256 16\nstart 20 239\n" + layout));
}

}  // namespace

TEST(ReachCheck, jumps_steps_walls_and_pits)
{
    // A jump lifts the body about 50 pixels: a gem 38 above the centre of a
    // standing body is taken, one 73 above is not.
    const ReachReport jump = reach("door 200 219\ncollect 100 160\ncollect 100 195\n");
    EXPECT_TRUE(jump.doorReached);
    ASSERT_EQ(jump.missedGems.size(), 1u);
    EXPECT_EQ(jump.missedGems[0].y, 160);
    // 3-pixel steps need no jump; a wall taller than a jump hides the door.
    EXPECT_TRUE(reach("ground rect 100 237 156 3\nground rect 130 234 126 3\ndoor 200 213\n").doorReached);
    EXPECT_FALSE(reach("ground rect 120 160 6 80\ndoor 200 219\n").doorReached);
    // The gem in the pit is reachable from the ledge, but nothing leads back.
    const ReachReport pit = reach("ground rect 100 170 4 70\nground rect 160 170 4 70\nground rect 70 200 30 4\n"
                                  "door 30 219\ncollect 130 230\n");
    EXPECT_TRUE(pit.missedGems.empty());
    EXPECT_TRUE(pit.doorReached);
    EXPECT_FALSE(pit.trappedPlaces.empty());
}

// A check of the content, not of memory: it moves the game's own player
// through millions of steps, too slow to repeat in the sanitizer build.
TEST(ReachCheck, every_shipped_level_can_be_finished)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the shipped content is checked in the normal build";
#endif
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
