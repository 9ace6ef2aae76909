#include "content/hint_painter.h"
#include "tools/content_error.h"

#include <gtest/gtest.h>

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
