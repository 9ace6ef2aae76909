#include "content/sound_effect.h"
#include "tools/content_error.h"

#include <gtest/gtest.h>

TEST(SoundEffect, faults_name_file_and_line)
{
    const struct {
        const char *source;
        const char *error;
    } cases[] = {
        {"wave sqare\nsustain 1\n", "bad.txt:1: unknown wave \"sqare\" (square, saw, sine, triangle or noise)"},
        {"sustain 0.1\nwobble 3\n", "bad.txt:2: unknown line \"wobble 3\""},
        {"sustain x\n", "bad.txt:1: \"x\" is not a number"},
        {"sustain 0.1s\n", "bad.txt:1: \"0.1s\" is not a number"},
        {"sustain nan\n", "bad.txt:1: \"nan\" is not a number"},
        {"sustain 0.1 0.2\n", "bad.txt:1: expected: sustain NUMBER"},
        {"sustain 1\nfrequency 0\n", "bad.txt:2: frequency 0 is outside 1 to 11000"},
        {"sustain 1\nduty 1\n", "bad.txt:2: duty 1 is outside 0.02 to 0.98"},
        {"sustain 1\nvibrato 1\n", "bad.txt:2: expected: vibrato SEMITONES HZ"},
        {"sustain 1\nformant 500 0\n", "bad.txt:2: formant bandwidth 0 is outside 5 to 10000"},
        {"sustain 0.1\nwave saw\nsustain 0.2\n", "bad.txt:3: sustain is given twice in one layer"},
        {"wave sine\nfrequency 200\n", "bad.txt:1: the layer is silent: give it a sustain or a decay"},
        {"sustain 1\nlayer\nwave sine\n", "bad.txt:2: the layer is silent: give it a sustain or a decay"},
        {"delay 3\nsustain 2\n", "bad.txt:1: the layer ends after 5 s, more than the longest sound of 4 s"},
        {"# nothing\n", "bad.txt:0: no sound: the source has no layer"},
        {"wave sine\nloop 1\n", "bad.txt:2: loop must be the first line"},
        {"loop 1\nwave sine\nslide 2\n", "bad.txt:3: slide cannot be used in a looping sound"},
        {"loop 1\nsustain 1\n", "bad.txt:2: sustain cannot be used in a looping sound"},
        {"loop 1\nlayer\narpeggio 0.1 2\n", "bad.txt:3: arpeggio cannot be used in a looping sound"},
        {"loop 1\nwave sine\ntremolo 0.5 3\n", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(contentErrorOf([&] { readSoundEffect("bad.txt", c.source); }), c.error) << c.source;
}
