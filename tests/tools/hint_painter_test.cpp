#include "content/hint_painter.h"
#include "tools/content_error.h"

#include <gtest/gtest.h>

// The drawn hints and banner are pinned by the committed pictures matching
// their sources; these are the sources the painter must refuse.
TEST(HintPainter, refuses_text_that_does_not_fit_or_cannot_be_drawn)
{
    const struct {
        const char *source;
        const char *error;
    } cases[] = {
        {"size 20 16\nhint h ABCDEFGH\n", "bad.txt:2: \"ABCDEFGH\" is wider than the hint"},
        {"size 40 16\nhint hi HI | HI\nbanner word 2 I\n", ""},
        {"size 40 16\nhint h A~B\n", "bad.txt:2: the font has no '~'"},
        {"size 40 8\nhint h A | B\n", "bad.txt:2: too many lines for the hint height"},
        {"hint h A\n", "bad.txt:1: \"size W H\" must come before the first hint"},
        {"size 40 16\nhint h HI\nbanner b 9 HI\n", "bad.txt:3: banner scale out of range"},
        {"size 40 16\nhint h HI\nbanner b 8 ABCDEFGHI\n", "bad.txt:3: \"ABCDEFGHI\" is wider than the game's view"},
        {"size 40 16\nhint h HI\nbanner b 2 A~\n", "bad.txt:3: the font has no '~'"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(contentErrorOf([&] { readHints("bad.txt", c.source); }), c.error) << c.source;
}
