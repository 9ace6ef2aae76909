#include "formats/level_list.h"
#include "xml/load_xml_file.h"

#include <gtest/gtest.h>

namespace {

LevelList readList(const std::string &text)
{
    LevelList list;
    loadXmlText(list, text, "LevelList");
    return list;
}

}  // namespace

TEST(LevelList, playable_walk_skips_gaps_and_starts_over)
{
    LevelList list;
    list.entries = {{""}, {"a.xml"}, {""}, {"c.xml"}};
    testing::internal::CaptureStderr();
    EXPECT_EQ(list.nextPlayable(), "a.xml");
    EXPECT_TRUE(list.entries[0].completed);
    EXPECT_EQ(list.nextPlayable(), "c.xml");
    EXPECT_EQ(list.current, 3);
    const std::string warning = testing::internal::GetCapturedStderr();
    EXPECT_NE(warning.find("data/levels.xml"), std::string::npos) << warning;
    EXPECT_NE(warning.find("position 2"), std::string::npos) << warning;
    testing::internal::CaptureStderr();
    EXPECT_EQ(list.nextPlayable(), "a.xml");
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(list.fileNameAt(-1), "");
    EXPECT_EQ(list.fileNameAt(4), "");

    LevelList nothing;
    EXPECT_EQ(nothing.nextPlayable(), "");
    nothing.entries = {{""}, {""}, {""}};
    EXPECT_FALSE(nothing.hasPlayableLevel());
    EXPECT_EQ(nothing.nextPlayable(), "");
}

TEST(LevelList, reading_positions_resizes_and_ignores_bad_entries)
{
    LevelList list = readList(R"(<LevelList>
        <Level position="1" filename="a.xml" completed="1"/>
        <Level position="2" filename="b.xml"/>
        <Level position="3" filename="c.xml" completed="0"/>
        <Other position="4" filename="x.xml"/>
        <Level position="0" filename="zero.xml"/>
        <Level position="-2" filename="neg.xml"/>
        <Level position="10000" filename="big.xml"/>
        <Level position="3"/>
      </LevelList>)");
    ASSERT_EQ(list.entries.size(), 4u);
    EXPECT_EQ(list.fileNameAt(3), "c.xml");
    EXPECT_TRUE(list.entries[1].completed);
    // Completed flags change nothing about what is played.
    EXPECT_EQ(list.next(), "a.xml");

    LevelList shrunk = readList(R"(<LevelList><Level position="3" filename="c.xml"/>
        <Level position="1" filename="a.xml"/></LevelList>)");
    EXPECT_EQ(shrunk.entries.size(), 2u);
    EXPECT_EQ(shrunk.fileNameAt(1), "a.xml");

    LevelList longest = readList(R"(<LevelList><Level position="9999" filename="z.xml"/></LevelList>)");
    EXPECT_EQ(longest.entries.size(), 10000u);
}
