#include "content/hint_painter.h"
#include "content/source_text.h"

#include <gtest/gtest.h>

TEST(HintPainter, every_sheet_fades_in_to_the_full_hint_then_an_empty_frame)
{
    const HintSet set = readHints("hints.txt", "size 40 16\nhint hint_a [W] JUMP | RUN\nhint hint_b OK\n");
    ASSERT_EQ(set.hints.size(), 2u);
    const Picture &sheet = set.hints[0].sheet;
    EXPECT_EQ(sheet.w, 40 * 5);
    // The border's alpha grows frame by frame up to opaque in frame 3.
    EXPECT_LT(sheet.at(5, 0) >> 24, sheet.at(45, 0) >> 24);
    EXPECT_LT(sheet.at(45, 0) >> 24, sheet.at(85, 0) >> 24);
    EXPECT_EQ(sheet.at(125, 0) >> 24, 255u);
    for (int y = 0; y < 16; ++y)
        for (int x = 160; x < 200; ++x)
            ASSERT_EQ(sheet.at(x, y), 0u);

    // The shared animations only use frames of the sheet.
    for (const AnimationEntry &animation : set.animations)
        for (const FrameRect &rect : animation.rects)
            EXPECT_TRUE(rect.x >= 0 && rect.x + rect.w <= sheet.w && rect.h == 16) << animation.name;
}

TEST(HintPainter, refuses_text_that_does_not_fit_or_cannot_be_drawn)
{
    const auto errorOf = [](const std::string &source) -> std::string {
        try {
            readHints("bad.txt", source);
        } catch (const ContentError &error) {
            return error.what();
        }
        return "";
    };
    EXPECT_EQ(errorOf("size 20 16\nhint h ABCDEFGH\n"), "bad.txt:2: \"ABCDEFGH\" is wider than the hint");
    EXPECT_EQ(errorOf("size 40 16\nhint hi HI | HI\n"), "");
    EXPECT_EQ(errorOf("size 40 16\nhint h A~B\n"), "bad.txt:2: the font has no '~'");
    EXPECT_EQ(errorOf("size 40 8\nhint h A | B\n"), "bad.txt:2: too many lines for the hint height");
    EXPECT_EQ(errorOf("hint h A\n"), "bad.txt:1: \"size W H\" must come before the first hint");
}
