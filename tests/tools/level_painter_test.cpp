#include "content/level_painter.h"
#include "tools/content_error.h"

#include <gtest/gtest.h>

TEST(LevelPainter, refuses_levels_that_cannot_be_played)
{
    const auto errorOf = [](const std::string &source) {
        return contentErrorOf([&] { readLevel("bad.txt", source); });
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
    EXPECT_EQ(errorOf("pool 250 200 10 10\n"), "bad.txt:1: pool outside the 256 x 256 world");
    EXPECT_EQ(errorOf("pool 10 200 0 10\n"), "bad.txt:1: pool outside the 256 x 256 world");
    EXPECT_EQ(errorOf("outro\n"), "");
}
