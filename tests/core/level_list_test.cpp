#include "core/level_list.h"

#include <gtest/gtest.h>

namespace {

LevelList listOf(std::initializer_list<const char *> names)
{
    LevelList list;
    for (const char *name : names) {
        list.entries.push_back(LevelEntry{name, false});
    }
    return list;
}

}  // namespace

TEST(LevelList, next_walks_from_position_one_then_gives_empty)
{
    LevelList list = listOf({"", "a.xml", "b.xml", "c.xml"});
    EXPECT_EQ(list.next(), "a.xml");
    EXPECT_TRUE(list.entries[0].completed);
    EXPECT_EQ(list.next(), "b.xml");
    EXPECT_EQ(list.next(), "c.xml");
    EXPECT_EQ(list.next(), "");
    EXPECT_EQ(list.next(), "");
    EXPECT_EQ(list.current, 4);
    EXPECT_TRUE(list.entries[3].completed);
    EXPECT_EQ(list.fileNameAt(-1), "");
    EXPECT_EQ(list.fileNameAt(4), "");

    LevelList empty;
    EXPECT_EQ(empty.next(), "");
    EXPECT_EQ(empty.current, 0);
}

TEST(LevelList, playable_walk_skips_gaps_and_starts_over)
{
    LevelList list = listOf({"", "a.xml", "", "c.xml"});
    testing::internal::CaptureStderr();
    EXPECT_EQ(list.nextPlayable(), "a.xml");
    EXPECT_EQ(list.nextPlayable(), "c.xml");
    const std::string warning = testing::internal::GetCapturedStderr();
    EXPECT_NE(warning.find("data/levels.xml"), std::string::npos);
    EXPECT_NE(warning.find("position 2"), std::string::npos);
    testing::internal::CaptureStderr();
    EXPECT_EQ(list.nextPlayable(), "a.xml");
    testing::internal::GetCapturedStderr();

    LevelList nothing = listOf({"", "", ""});
    EXPECT_FALSE(nothing.hasPlayableLevel());
    EXPECT_EQ(nothing.nextPlayable(), "");
}
