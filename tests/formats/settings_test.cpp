#include "formats/settings.h"
#include "xml/load_xml_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace {

Settings readSettings(const std::string &text)
{
    Settings settings;
    std::istringstream input(text);
    loadXmlStream(settings, input, "GorlakSettings");
    return settings;
}

// Writes the text to a file of its own and loads it through loadSettings.
Settings loadFromFile(const std::string &text, std::string &errors)
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("gorlak_settings_" + std::to_string(::getpid()) + "_" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".xml");
    {
        std::ofstream file(path);
        file << text;
    }
    testing::internal::CaptureStderr();
    Settings settings = loadSettings(path.string());
    errors = testing::internal::GetCapturedStderr();
    std::filesystem::remove(path);
    return settings;
}

}  // namespace

TEST(Settings, reads_the_four_elements_in_any_order_under_any_root)
{
    const std::string declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    EXPECT_EQ(readSettings(declaration + "<GorlakSettings>\n  <Fullscreen>1</Fullscreen>\n  <Width>200</Width>\n"
                                         "  <Height>150</Height>\n  <PixelSize>2</PixelSize>\n</GorlakSettings>\n"),
              (Settings{true, 200, 150, 2}));
    EXPECT_EQ(readSettings("<Other><PixelSize>3</PixelSize><Height>100</Height><Width>120</Width>"
                           "<Fullscreen>1</Fullscreen></Other>"),
              (Settings{true, 120, 100, 3}));
    // The first of two elements of a name supplies the value.
    EXPECT_EQ(readSettings("<S><Width>10</Width><Width>20</Width></S>").Width, 10);
}

TEST(Settings, missing_or_unreadable_values_keep_the_defaults)
{
    EXPECT_EQ(readSettings("<S><PixelSize>2</PixelSize></S>"), (Settings{false, 256, 192, 2}));
    EXPECT_EQ(readSettings("<S><Fullscreen>true</Fullscreen><Width>wide</Width></S>"), Settings{});

    testing::internal::CaptureStderr();
    EXPECT_EQ(loadSettings("/nonexistent/settings.xml"), Settings{});
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(Settings, values_outside_the_limits_are_replaced_with_a_message)
{
    Settings settings{false, 999, 2, 0};
    testing::internal::CaptureStderr();
    limitSettings(settings, "settings.xml");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "settings.xml: Width 999 is out of range, using 256\n"
              "settings.xml: Height 2 is out of range, using 3\n"
              "settings.xml: PixelSize 0 is out of range, using 1\n");
    EXPECT_EQ(settings, (Settings{false, 256, 3, 1}));

    // The window stays within 4096 x 4096.
    std::string errors;
    EXPECT_EQ(loadFromFile("<S><Width>100</Width><Height>200</Height><PixelSize>2147483647</PixelSize></S>", errors),
              (Settings{false, 100, 200, 20}));
    EXPECT_NE(errors.find("PixelSize 2147483647 is out of range, using 20\n"), std::string::npos);
}

TEST(Settings, writing_gives_four_children_and_reads_back)
{
    const Settings written{true, 320, 200, 3};
    const auto node = toXml(written, "GorlakSettings");
    ASSERT_EQ(node->childCount(), 4);
    EXPECT_EQ(node->child(3)->name(), "PixelSize");

    Settings read{false, 1, 1, 1};
    fromXml(node.get(), read);
    EXPECT_EQ(read, written);
}
