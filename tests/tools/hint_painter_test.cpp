#include "content/hint_painter.h"
#include "tools/content_error.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(HintPainter, refuses_text_that_does_not_fit_or_cannot_be_drawn)
{
    const auto errorOf = [](const std::string &source) {
        return contentErrorOf([&] { readHints("bad.txt", source); });
    };
    EXPECT_EQ(errorOf("size 20 16\nhint h ABCDEFGH\n"), "bad.txt:2: \"ABCDEFGH\" is wider than the hint");
    EXPECT_EQ(errorOf("size 40 16\nhint hi HI | HI\n"), "");
    EXPECT_EQ(errorOf("size 40 16\nhint h A~B\n"), "bad.txt:2: the font has no '~'");
    EXPECT_EQ(errorOf("size 40 8\nhint h A | B\n"), "bad.txt:2: too many lines for the hint height");
    EXPECT_EQ(errorOf("hint h A\n"), "bad.txt:1: \"size W H\" must come before the first hint");
}

TEST(HintPainter, banner_letters_are_light_ringed_dark_with_a_shadow_on_clear_ground)
{
    // "I" at twice the font's size: bars across rows 1-2 and 9-10, the stem
    // in columns 3-4, all one pixel in from the top-left.
    const HintSet set = readHints("hints.txt", "size 40 16\nhint h HI\nbanner word 2 I\n");
    ASSERT_EQ(set.banners.size(), 1u);
    EXPECT_EQ(set.banners[0].name, "word");
    const Picture &banner = set.banners[0].sheet;
    ASSERT_TRUE(banner.w == 9 && banner.h == 13) << banner.w << "x" << banner.h;
    const auto alpha = [&](int x, int y) { return banner.at(x, y) >> 24; };
    const auto brightest = [&](int x, int y) {
        const std::uint32_t pixel = banner.at(x, y);
        return std::max({(pixel >> 16) & 0xFFu, (pixel >> 8) & 0xFFu, pixel & 0xFFu});
    };
    for (const auto &[x, y] : {std::pair{1, 1}, {6, 2}, {3, 5}, {4, 8}, {1, 10}})
        EXPECT_TRUE(alpha(x, y) == 0xFF && brightest(x, y) >= 0xC0) << "ink " << x << "," << y;
    for (const auto &[x, y] : {std::pair{0, 0}, {7, 1}, {2, 3}, {5, 6}, {0, 11}, {7, 11}})
        EXPECT_TRUE(alpha(x, y) == 0xFF && brightest(x, y) <= 0x40) << "outline " << x << "," << y;
    for (const auto &[x, y] : {std::pair{8, 2}, {8, 12}, {3, 12}})
        EXPECT_TRUE(alpha(x, y) > 0 && alpha(x, y) < 0xFF) << "shadow " << x << "," << y;
    for (const auto &[x, y] : {std::pair{8, 0}, {0, 12}, {1, 5}})
        EXPECT_EQ(banner.at(x, y), 0u) << "clear " << x << "," << y;

    const auto errorOf = [](const std::string &source) {
        return contentErrorOf([&] { readHints("bad.txt", source); });
    };
    EXPECT_EQ(errorOf("size 40 16\nhint h HI\nbanner b 9 HI\n"), "bad.txt:3: banner scale out of range");
    EXPECT_EQ(errorOf("size 40 16\nhint h HI\nbanner b 8 ABCDEFGHI\n"),
              "bad.txt:3: \"ABCDEFGHI\" is wider than the game's view");
    EXPECT_EQ(errorOf("size 40 16\nhint h HI\nbanner b 2 A~\n"), "bad.txt:3: the font has no '~'");
}
