#include "formats/settings.h"
#include "xml/load_xml_file.h"

#include <gtest/gtest.h>

namespace {

Settings readSettings(const std::string &text)
{
    Settings settings;
    loadXmlText(settings, text, "GorlakSettings");
    return settings;
}

// What limitSettings writes to standard error.
std::string limitMessages(Settings &settings)
{
    testing::internal::CaptureStderr();
    limitSettings(settings, "settings.xml");
    return testing::internal::GetCapturedStderr();
}

}  // namespace

TEST(Settings, reads_the_four_elements_in_any_order_under_any_root_with_defaults_for_the_rest)
{
    EXPECT_EQ(readSettings("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Other>\n  <PixelSize>3</PixelSize>\n"
                           "  <Height>100</Height>\n  <Width>120</Width>\n  <Fullscreen>1</Fullscreen>\n</Other>\n"),
              (Settings{true, 120, 100, 3}));
    // The first of two elements of a name supplies the value.
    EXPECT_EQ(readSettings("<S><Width>10</Width><Width>20</Width></S>").Width, 10);
    EXPECT_EQ(readSettings("<S><PixelSize>2</PixelSize><Fullscreen>true</Fullscreen><Width>wide</Width></S>"),
              (Settings{false, 256, 192, 2}));

    // The extras are off unless a file switches them on.
    const Settings plain = readSettings("<S><Width>10</Width></S>");
    EXPECT_FALSE(plain.SaveProgress || plain.Sound);
    EXPECT_EQ(plain.SoundVolume, 80);
    const Settings extras =
        readSettings("<S><SoundVolume>35</SoundVolume><Sound>1</Sound><SaveProgress>1</SaveProgress></S>");
    EXPECT_TRUE(extras.SaveProgress && extras.Sound);
    EXPECT_EQ(extras.SoundVolume, 35);

    testing::internal::CaptureStderr();
    EXPECT_EQ(loadSettings("/nonexistent/settings.xml"), Settings{});
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(Settings, values_outside_the_limits_are_replaced_with_a_message)
{
    Settings settings{false, 999, 2, 0};
    EXPECT_EQ(limitMessages(settings), "settings.xml: Width 999 is out of range, using 256\n"
                                       "settings.xml: Height 2 is out of range, using 3\n"
                                       "settings.xml: PixelSize 0 is out of range, using 1\n");
    EXPECT_EQ(settings, (Settings{false, 256, 3, 1}));

    Settings loud;
    loud.SoundVolume = 101;
    EXPECT_EQ(limitMessages(loud), "settings.xml: SoundVolume 101 is out of range, using 100\n");
    loud.SoundVolume = -1;
    limitMessages(loud);
    EXPECT_EQ(loud.SoundVolume, 0);

    // The window stays within 4096 x 4096.
    Settings huge{false, 100, 200, 2147483647};
    limitMessages(huge);
    EXPECT_EQ(huge.PixelSize, 20);
}
