#include "content/icon_painter.h"
#include "tools/content_error.h"

#include <gtest/gtest.h>

namespace {

// An 8 drawing with a different colour in every corner, and a 10 drawing
// with a clear pixel all round.
const char *kDrawings = R"(
colour . clear
colour r ff0000
colour g 00ff00
colour b 0000ff80
drawing 8
r......g
........
........
...rg...
...gr...
........
........
b......r
drawing 10
..........
.rrrrrrrr.
.r......r.
.r......r.
.r..bb..r.
.r..bb..r.
.r......r.
.r......r.
.gggggggg.
..........
)";

std::string withLines(const std::string &lines)
{
    return std::string(kDrawings) + lines;
}

}  // namespace

TEST(IconPainter, faults_name_file_and_line)
{
    const auto errorOf = [](const std::string &source) {
        return contentErrorOf([&] { readIcons("bad.txt", source); });
    };
    EXPECT_EQ(errorOf(withLines("icon 12 8\nwindow 8\n")), "bad.txt:26: 12 is not a whole multiple of 8");
    EXPECT_EQ(errorOf(withLines("icon 9 10\nwindow 8\n")),
              "bad.txt:26: the 10 drawing cannot be trimmed evenly to 9");
    EXPECT_EQ(errorOf(withLines("icon 16 8\nicon 8 10\nicon 16 10\nicon 6 8\nwindow 8\n")),
              "bad.txt:28: the 16 icon is made twice");
    std::string solid = "colour r ff0000\ndrawing 10\n";
    for (int row = 0; row < 10; ++row)
        solid += "rrrrrrrrrr\n";
    EXPECT_EQ(errorOf(solid + "icon 8 10\n"), "bad.txt:13: the 10 drawing is not clear where the 8 icon cuts it");
    EXPECT_EQ(errorOf("colour . clear\ncolour r ff0000\ndrawing 8\nr.......\nicon 8 8\nwindow 8\n"),
              "bad.txt:5: row 2 of the 8 drawing must have 8 pixels");
    EXPECT_EQ(errorOf("colour . clear\ndrawing 8\n........\n........\n"), "bad.txt:2: the 8 drawing has 2 rows, expected 8");
    EXPECT_EQ(errorOf("colour . clear\ndrawing 8\n......x.\n"), "bad.txt:3: no colour for 'x'");
    EXPECT_EQ(errorOf(withLines("icon 32 32\n")), "bad.txt:26: no drawing of 32 pixels above this line");
    EXPECT_EQ(errorOf(withLines("icon 16 8\n")), "bad.txt:0: an icon source makes at least one icon and the window icon");
}
