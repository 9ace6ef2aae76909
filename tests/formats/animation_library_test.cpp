#include "formats/animation_library.h"
#include "support/temp_path.h"
#include "xml/load_xml_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

void readLibrary(AnimationLibrary &library, const std::string &text)
{
    loadXmlText(library, text, "Animations");
}

Animation fourFrames(bool loop)
{
    Animation a;
    a.frames = {Rect{0, 0, 8, 8}, Rect{8, 0, 8, 8}, Rect{16, 0, 8, 8}, Rect{24, 0, 8, 8}};
    a.loop = loop;
    return a;
}

}  // namespace

TEST(Animation, looping_advance_wraps_and_carries_the_remainder)
{
    Animation a = fourFrames(true);
    a.advance(130);
    EXPECT_EQ(a.currentFrame, 0);
    EXPECT_EQ(a.elapsed, 10);
    // Many laps in one call, without overflowing.
    a.advance(2'000'000'000);
    EXPECT_EQ(a.currentFrame, (2'000'000'010 / 30) % 4);
}

TEST(Animation, one_shot_stops_on_the_last_frame_and_unplayable_stays_put)
{
    Animation a = fourFrames(false);
    a.advance(1000);
    EXPECT_EQ(a.currentFrame, 3);
    EXPECT_FALSE(a.playing);

    // No frames, no frame length or time going back: nothing moves, nothing divides by zero.
    Animation empty;
    Animation still = fourFrames(true);
    still.FrameLength = 0;
    Animation backwards = fourFrames(true);
    empty.advance(100);
    still.advance(100);
    backwards.advance(-100);
    EXPECT_TRUE(empty.currentFrame == 0 && still.currentFrame == 0 && backwards.currentFrame == 0);
}

TEST(AnimationLibrary, reading_carries_rect_values_defaults_and_a_later_name_replaces)
{
    AnimationLibrary library;
    readLibrary(library, R"(<Animations>
        <Animation name="run">
            <Rect x="0" y="0" w="16" h="16"/><Rect x="16"/><Note/><Rect x="32"/>
            <FrameLength>50</FrameLength>
        </Animation>
        <Sound name="ignored"/>
        <Animation name="die"><FrameLength>20</FrameLength><Rect y="8" w="4" h="2"/></Animation>
        <Animation name="die" loop="0"><FrameLength>90</FrameLength><Rect w="4" h="2"/></Animation>
        <Animation><Rect w="1" h="1"/></Animation>
    </Animations>)");
    ASSERT_EQ(library.size(), 3u);
    // "loop" left out loops; "FrameLength" after the frames is read.
    const Animation *run = library.find("run");
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->frames, (std::vector<Rect>{{0, 0, 16, 16}, {16, 0, 16, 16}, {32, 0, 16, 16}}));
    EXPECT_TRUE(run->loop);
    EXPECT_EQ(run->FrameLength, 50);
    EXPECT_NE(library.find(""), nullptr) << "an unnamed animation is kept under the empty name";
    const Animation *die = library.find("die");
    ASSERT_NE(die, nullptr);
    EXPECT_FALSE(die->loop);
    EXPECT_EQ(die->frames, (std::vector<Rect>{{0, 0, 4, 2}}));
}

TEST(AnimationLibrary, loading_leaves_out_unplayable_animations_with_a_line_naming_the_file)
{
    AnimationLibrary &library = animationLibrary();
    const std::filesystem::path path = tempPath("gorlak_animations.xml");
    std::ofstream(path) << "<Animations><Animation name=\"door_closed\"><Rect w=\"26\" h=\"21\"/></Animation>"
                           "<Animation name=\"bad\"/><Animation name=\"still\"><FrameLength>0</FrameLength>"
                           "<Rect w=\"1\" h=\"1\"/></Animation></Animations>\n";
    testing::internal::CaptureStderr();
    EXPECT_TRUE(loadAnimationLibrary(path.string()));
    const std::string err = testing::internal::GetCapturedStderr();
    std::filesystem::remove(path);
    EXPECT_EQ(library.size(), 1u);
    EXPECT_NE(library.find("door_closed"), nullptr);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
    EXPECT_NE(err.find(path.string() + ": animation \"still\" has FrameLength 0, not loaded"), std::string::npos) << err;
    library.clear();
    library.setFileName(kAnimationsFile);
}
