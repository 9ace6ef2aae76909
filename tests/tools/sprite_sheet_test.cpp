#include "content/sprite_sheet.h"
#include "tools/content_error.h"

#include <gtest/gtest.h>

namespace {

const char *kTwoAnimations = R"(
frame 3 2
colour . clear
colour r ff0000
colour g 00ff0080   # half see-through green
anim walk_right loop 100
r..
.g.

..r
.gg
anim walk_left mirror walk_right
anim blink once 40
rrr
ggg
)";

}  // namespace

// The frame rectangles are pinned by the committed animations matching their
// sources; see-through colours, which no shipped sprite has, are not.
TEST(SpriteSheet, animations_lie_in_rows_and_mirrored_rows_flip_each_frame)
{
    const SpriteSheet sheet = readSpriteSheet("two.txt", kTwoAnimations);
    ASSERT_EQ(sheet.animations.size(), 3u);
    EXPECT_TRUE(sheet.picture.w == 6 && sheet.picture.h == 6);  // two frames wide, three rows
    EXPECT_EQ(sheet.picture.at(1, 0), 0u);
    EXPECT_EQ(sheet.picture.at(1, 1), 0x8000FF00u);
    // The mirrored row flips each frame on its own.
    EXPECT_EQ(sheet.picture.at(2, 2), 0xFFFF0000u);
    EXPECT_EQ(sheet.picture.at(3, 2), 0xFFFF0000u);
    EXPECT_EQ(sheet.picture.at(5, 3), 0u);
}

TEST(SpriteSheet, faults_name_file_and_line)
{
    const auto errorOf = [](const std::string &source) {
        return contentErrorOf([&] { readSpriteSheet("bad.txt", source); });
    };
    EXPECT_EQ(errorOf("frame 2 1\ncolour a ffffff\nanim x loop 50\nab\n"), "bad.txt:4: no colour for 'b'");
    EXPECT_EQ(errorOf("frame 2 2\ncolour a ffffff\nanim x loop 50\naa\n"), "bad.txt:4: frame has 1 rows, expected 2");
    EXPECT_EQ(errorOf("frame 2 1\nanim x mirror y\n"), "bad.txt:2: no animation \"y\" to mirror");
    EXPECT_EQ(errorOf("frame 2 1\ncolour a ffffff\nanim x loop 50\naa\nanim x loop 50\naa\n"),
              "bad.txt:5: animation \"x\" is defined twice");
    EXPECT_EQ(errorOf("frame 2 1\ncolour a 12345\n"), "bad.txt:2: \"12345\" is not a colour (rrggbb or rrggbbaa)");
    EXPECT_EQ(errorOf("frame 2 1\nanim x loop 50\n"), "bad.txt:2: \"x\" has no frames");
}
