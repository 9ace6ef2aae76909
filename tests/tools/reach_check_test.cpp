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

TEST(ReachCheck, deep_blood_is_a_way_up_and_shallow_blood_is_not)
{
    // A pit 64 deep with the door on its rim: no jump leaves it, a leap
    // from blood that reaches within a leap of the rim does.
    // Walled in to x 80-171, so that the check has few places to try.
    const std::string pit = "ground rect 0 240 256 16\nground rect 0 0 80 256\nground rect 172 0 84 256\n"
                            "ground rect 80 176 20 64\nground rect 140 176 32 64\n"
                            "start 84 175\ndoor 156 155\ncollect 120 232\n";
    struct Case {
        const char *name;
        std::string blood;
        bool doorReached;
        bool trapped;
    } cases[] = {
        {"dry pit", "", true, true},
        {"blood in the picture up to 8 below the rim", "blood rect 100 184 40 56\n", true, false},
        {"a declared pool up to 8 below the rim", "pool 100 184 40 56\n", true, false},
        {"a pool too far below the rim to leap out", "pool 100 216 40 24\n", true, true},
        {"a pool too shallow to swim", "pool 100 230 40 10\n", true, true},
    };
    for (const Case &c : cases) {
        const ReachReport report = checkReach(readLevel("pit.txt", pit + c.blood));
        EXPECT_EQ(report.doorReached, c.doorReached) << c.name;
        EXPECT_EQ(!report.trappedPlaces.empty(), c.trapped) << c.name;
        EXPECT_TRUE(report.missedGems.empty()) << c.name;
    }
}

TEST(ReachCheck, every_shipped_level_can_be_finished)
{
#if defined(__SANITIZE_ADDRESS__)
    // A check of the content, not of memory: the plain build runs it; the
    // sanitizer build, some forty times slower, would take many minutes.
    GTEST_SKIP() << "the shipped levels' reach is checked in the plain build";
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
    EXPECT_GE(checked, 14);
}
