#include "content/level_painter.h"
#include "content/source_text.h"

#include <gtest/gtest.h>

TEST(LevelPainter, paints_the_colour_code_with_markers_last)
{
    const LevelLayout level = readLevel("room.txt", "ground rect 0 240 256 16\nblood rect 100 236 20 4\n"
                                                    "ground line 10 200 20 200 2\nstart 20 239\ndoor 200 219\n"
                                                    "zombie 150 100\ncollect 50 230\nblood rect 45 225 10 10\n"
                                                    "ground text 60 10 2 T\n");
    ASSERT_EQ(level.picture.w, 256);
    EXPECT_EQ(level.picture.at(100, 236), kLevelBlood);
    // A line two thick.
    EXPECT_EQ(level.picture.at(15, 201), kLevelGround);
    EXPECT_EQ(level.picture.at(15, 202), kLevelEmpty);
    EXPECT_EQ(level.picture.at(20, 239), kLevelStart);
    EXPECT_EQ(level.picture.at(200, 219), kLevelDoor);
    EXPECT_EQ(level.picture.at(150, 100), kLevelZombie);
    // Markers are painted over the later blood.
    EXPECT_EQ(level.picture.at(50, 230), kLevelCollectable);
    EXPECT_EQ(level.picture.at(49, 230), kLevelBlood);
    // "T" is a full top bar and a middle stem, each font pixel 2 x 2.
    EXPECT_EQ(level.picture.at(60, 10), kLevelGround);
    EXPECT_EQ(level.picture.at(65, 11), kLevelGround);
    EXPECT_EQ(level.picture.at(62, 19), kLevelGround);
    EXPECT_EQ(level.picture.at(60, 19), kLevelEmpty);
}

TEST(LevelPainter, refuses_levels_that_cannot_be_played)
{
    const auto errorOf = [](const std::string &source) -> std::string {
        try {
            readLevel("bad.txt", source);
        } catch (const ContentError &error) {
            return error.what();
        }
        return "";
    };
    EXPECT_EQ(errorOf("ground rect 0 240 256 16\nstart 20 239\n"),
              "bad.txt:2: a level needs exactly one door, found 0");
    EXPECT_EQ(errorOf("ground rect 0 230 256 26\nstart 20 239\ndoor 200 200\n"),
              "bad.txt:2: the player's body at the start overlaps ground");
    EXPECT_EQ(errorOf("ground rect 0 230 256 26\nstart 20 229\ndoor 200 215\n"),
              "bad.txt:3: ground inside the door");
    EXPECT_EQ(errorOf("ground rect 0 240 256 16\nstart 20 239\ndoor 250 219\n"),
              "bad.txt:3: the door reaches outside the world");
    EXPECT_EQ(errorOf("ground rect 0 240 100 16\nstart 20 239\ndoor 20 219\nzombie 150 100\n"),
              "bad.txt:4: no ground below the zombie");
    EXPECT_EQ(errorOf("ground rect 0 240 256 16\nstart 20 239\ndoor 20 219\ncollect 50 241\n"),
              "bad.txt:4: collectable buried in ground");
    EXPECT_EQ(errorOf("start 300 10\n"), "bad.txt:1: marker outside the 256 x 256 world");
    EXPECT_EQ(errorOf("ground rect 1 2 x 4\n"), "bad.txt:1: \"x\" is not a whole number");
    EXPECT_EQ(errorOf("outro\n"), "");
}
