// The content sources' readers: faulty sources are refused with a message
// naming the file and the line. What the readers make of good sources is
// pinned by the committed content matching its sources.
#include "content/hint_painter.h"
#include "content/icon_painter.h"
#include "content/level_painter.h"
#include "content/sound_effect.h"
#include "content/source_text.h"
#include "content/sprite_sheet.h"

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

std::string drawingsAnd(const std::string &lines)
{
    return std::string(kDrawings) + lines;
}

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

using Reader = void (*)(const std::string &);
const Reader icons = [](const std::string &s) { readIcons("bad.txt", s); };
const Reader sprites = [](const std::string &s) { readSpriteSheet("bad.txt", s); };
const Reader hints = [](const std::string &s) { readHints("bad.txt", s); };
const Reader level = [](const std::string &s) { readLevel("bad.txt", s); };
const Reader sound = [](const std::string &s) { readSoundEffect("bad.txt", s); };

}  // namespace

TEST(ContentSources, faults_name_file_and_line)
{
    std::string solid10 = "colour r ff0000\ndrawing 10\n";
    for (int row = 0; row < 10; ++row)
        solid10 += "rrrrrrrrrr\n";
    const struct {
        Reader read;
        std::string source;
        const char *error;
    } cases[] = {
        {icons, drawingsAnd("icon 12 8\nwindow 8\n"), "bad.txt:26: 12 is not a whole multiple of 8"},
        {icons, drawingsAnd("icon 9 10\nwindow 8\n"), "bad.txt:26: the 10 drawing cannot be trimmed evenly to 9"},
        {icons, drawingsAnd("icon 16 8\nicon 8 10\nicon 16 10\nicon 6 8\nwindow 8\n"),
         "bad.txt:28: the 16 icon is made twice"},
        {icons, solid10 + "icon 8 10\n", "bad.txt:13: the 10 drawing is not clear where the 8 icon cuts it"},
        {icons, "colour . clear\ncolour r ff0000\ndrawing 8\nr.......\nicon 8 8\nwindow 8\n",
         "bad.txt:5: row 2 of the 8 drawing must have 8 pixels"},
        {icons, "colour . clear\ndrawing 8\n........\n........\n", "bad.txt:2: the 8 drawing has 2 rows, expected 8"},
        {icons, "colour . clear\ndrawing 8\n......x.\n", "bad.txt:3: no colour for 'x'"},
        {icons, drawingsAnd("icon 32 32\n"), "bad.txt:26: no drawing of 32 pixels above this line"},
        {icons, drawingsAnd("icon 16 8\n"), "bad.txt:0: an icon source makes at least one icon and the window icon"},
        {sprites, "frame 2 1\ncolour a ffffff\nanim x loop 50\nab\n", "bad.txt:4: no colour for 'b'"},
        {sprites, "frame 2 2\ncolour a ffffff\nanim x loop 50\naa\n", "bad.txt:4: frame has 1 rows, expected 2"},
        {sprites, "frame 2 1\nanim x mirror y\n", "bad.txt:2: no animation \"y\" to mirror"},
        {sprites, "frame 2 1\ncolour a ffffff\nanim x loop 50\naa\nanim x loop 50\naa\n",
         "bad.txt:5: animation \"x\" is defined twice"},
        {sprites, "frame 2 1\ncolour a 12345\n", "bad.txt:2: \"12345\" is not a colour (rrggbb or rrggbbaa)"},
        {sprites, "frame 2 1\nanim x loop 50\n", "bad.txt:2: \"x\" has no frames"},
        {hints, "size 20 16\nhint h ABCDEFGH\n", "bad.txt:2: \"ABCDEFGH\" is wider than the hint"},
        {hints, "size 40 16\nhint hi HI | HI\nbanner word 2 I\n", ""},
        {hints, "size 40 16\nhint h A~B\n", "bad.txt:2: the font has no '~'"},
        {hints, "size 40 8\nhint h A | B\n", "bad.txt:2: too many lines for the hint height"},
        {hints, "hint h A\n", "bad.txt:1: \"size W H\" must come before the first hint"},
        {hints, "size 40 16\nhint h HI\nbanner b 9 HI\n", "bad.txt:3: banner scale out of range"},
        {hints, "size 40 16\nhint h HI\nbanner b 8 ABCDEFGHI\n",
         "bad.txt:3: \"ABCDEFGHI\" is wider than the game's view"},
        {hints, "size 40 16\nhint h HI\nbanner b 2 A~\n", "bad.txt:3: the font has no '~'"},
        {level, "ground rect 0 240 256 16\nstart 20 239\n", "bad.txt:2: a level needs exactly one door, found 0"},
        {level, "ground rect 0 230 256 26\nstart 20 239\ndoor 200 200\n",
         "bad.txt:2: the player's body at the start overlaps ground"},
        {level, "ground rect 0 230 256 26\nstart 20 229\ndoor 200 215\n", "bad.txt:3: ground inside the door"},
        {level, "ground rect 0 240 256 16\nstart 20 239\ndoor 250 219\n",
         "bad.txt:3: the door reaches outside the world"},
        {level, "ground rect 0 240 100 16\nstart 20 239\ndoor 20 219\nzombie 150 100\n",
         "bad.txt:4: no ground below the zombie"},
        {level, "ground rect 0 240 256 16\nstart 20 239\ndoor 20 219\ncollect 50 241\n",
         "bad.txt:4: collectable buried in ground"},
        {level, "start 300 10\n", "bad.txt:1: marker outside the 256 x 256 world"},
        {level, "ground rect 1 2 x 4\n", "bad.txt:1: \"x\" is not a whole number"},
        {level, "pool 250 200 10 10\n", "bad.txt:1: pool outside the 256 x 256 world"},
        {level, "pool 10 200 0 10\n", "bad.txt:1: pool outside the 256 x 256 world"},
        {level, "outro\n", ""},
        {sound, "wave sqare\nsustain 1\n", "bad.txt:1: unknown wave \"sqare\" (square, saw, sine, triangle or noise)"},
        {sound, "sustain 0.1\nwobble 3\n", "bad.txt:2: unknown line \"wobble 3\""},
        {sound, "sustain x\n", "bad.txt:1: \"x\" is not a number"},
        {sound, "sustain 0.1s\n", "bad.txt:1: \"0.1s\" is not a number"},
        {sound, "sustain nan\n", "bad.txt:1: \"nan\" is not a number"},
        {sound, "sustain 0.1 0.2\n", "bad.txt:1: expected: sustain NUMBER"},
        {sound, "sustain 1\nfrequency 0\n", "bad.txt:2: frequency 0 is outside 1 to 11000"},
        {sound, "sustain 1\nduty 1\n", "bad.txt:2: duty 1 is outside 0.02 to 0.98"},
        {sound, "sustain 1\nvibrato 1\n", "bad.txt:2: expected: vibrato SEMITONES HZ"},
        {sound, "sustain 1\nformant 500 0\n", "bad.txt:2: formant bandwidth 0 is outside 5 to 10000"},
        {sound, "sustain 0.1\nwave saw\nsustain 0.2\n", "bad.txt:3: sustain is given twice in one layer"},
        {sound, "wave sine\nfrequency 200\n", "bad.txt:1: the layer is silent: give it a sustain or a decay"},
        {sound, "sustain 1\nlayer\nwave sine\n", "bad.txt:2: the layer is silent: give it a sustain or a decay"},
        {sound, "delay 3\nsustain 2\n", "bad.txt:1: the layer ends after 5 s, more than the longest sound of 4 s"},
        {sound, "# nothing\n", "bad.txt:0: no sound: the source has no layer"},
        {sound, "wave sine\nloop 1\n", "bad.txt:2: loop must be the first line"},
        {sound, "loop 1\nwave sine\nslide 2\n", "bad.txt:3: slide cannot be used in a looping sound"},
        {sound, "loop 1\nsustain 1\n", "bad.txt:2: sustain cannot be used in a looping sound"},
        {sound, "loop 1\nlayer\narpeggio 0.1 2\n", "bad.txt:3: arpeggio cannot be used in a looping sound"},
        {sound, "loop 1\nwave sine\ntremolo 0.5 3\n", ""},
    };
    for (const auto &c : cases) {
        std::string error;
        try {
            c.read(c.source);
        } catch (const ContentError &e) {
            error = e.what();
        }
        EXPECT_EQ(error, c.error) << c.source;
    }
}

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
