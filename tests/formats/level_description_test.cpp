#include "formats/level_description.h"
#include "xml/load_xml_file.h"
#include "support/temp_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

LevelDescription readLevel(const std::string &text, std::uint32_t ground = 0xFF996600u)
{
    LevelDescription description;
    description.GroundColor = ground;
    loadXmlText(description, text, "GorlakLevel");
    return description;
}

}  // namespace

TEST(LevelDescription, reads_fields_in_any_order_with_messages_anywhere)
{
    const LevelDescription d = readLevel(R"(<GorlakLevel>
        <GameMessage x="100" y="50" radius="10"><Animation>hint</Animation><Xpos>90</Xpos></GameMessage>
        <LevelImage>data/a.png</LevelImage>
        <BackgroundImage>data/b.png</BackgroundImage>
        <GameMessage x="1" y="2" radius="3"/>
        <CameraPan>1</CameraPan><CameraPanX>12.5</CameraPanX><CameraPanY>40</CameraPanY>
        <Outro>1</Outro>
        <GameMessage radius="4"/>
      </GorlakLevel>)");
    EXPECT_EQ(d.BackgroundImage, "data/b.png");
    EXPECT_FLOAT_EQ(d.CameraPanY, 40.0f);
    EXPECT_TRUE(d.Outro);
    ASSERT_EQ(d.messages.size(), 3u);
    EXPECT_EQ(d.messages[0]->position, Vec2(100.0f, 50.0f));
    EXPECT_EQ(d.messages[0]->sprite, nullptr);  // no picture, no sprite
    EXPECT_FLOAT_EQ(d.messages[2]->radius, 4.0f);
}

TEST(LevelDescription, ground_color_packs_r_high_a_low_and_keeps_missing_parts)
{
    EXPECT_EQ(readLevel("<L><GroundColor r=\"1\" g=\"2\" b=\"3\" a=\"4\"/></L>").GroundColor, 0x01020304u);
    // Only the given components change; the rest come from the colour in force.
    EXPECT_EQ(readLevel("<L><GroundColor g=\"300\"/></L>").GroundColor, 0xFF2C6600u);
    EXPECT_EQ(readLevel("<L><LevelImage>x</LevelImage></L>").GroundColor, 0xFF996600u);
}

TEST(LevelDescription, message_without_radius_is_reported_and_never_shown)
{
    const auto path = tempPath("gorlak_no_radius.xml");
    std::ofstream(path) << "<GorlakLevel><GameMessage x=\"5\" y=\"6\"/></GorlakLevel>\n";
    LevelDescription d;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(loadLevelDescription(d, path.string()));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(err.find(path.string()) != std::string::npos && err.find("radius") != std::string::npos) << err;
    ASSERT_EQ(d.messages.size(), 1u);
    EXPECT_FLOAT_EQ(d.messages[0]->radius, 0.0f);
    std::filesystem::remove(path);

    LevelDescription missing;
    EXPECT_FALSE(loadLevelDescription(missing, "/nonexistent/level.xml"));
}
