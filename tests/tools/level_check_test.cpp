#include "levelcheck/level_check.h"

#include "content/png_writer.h"
#include "formats/animation_library.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// A small content directory that passes the check; each test breaks it in
// one way and looks for the line naming the file.
class Content {
public:
    Content() : root(fs::temp_directory_path() / ("levelcheck_" + std::to_string(getpid())))
    {
        fs::remove_all(root);
        for (const char *name : {"gorlak_background", "collectable", "lawnmower", "door", "player_avatar",
                                 "zombie_sprite", "hint"}) {
            picture(std::string("data/gfx/") + name + ".png", Picture(4, 4, opaque(0x336699)));
        }
        picture("data/gfx/back.png", Picture(256, 256, opaque(0x202020)));
        std::string animations = "<Animations>\n";
        for (const char *name : {"p_stand_left", "p_stand_right", "p_run_left", "p_run_right", "p_jump_left",
                                 "p_jump_right", "p_swim_left", "p_swim_right", "p_turn_left", "p_turn_right",
                                 "z_walk_left", "z_walk_right", "z_attack_left", "z_attack_right", "door_closed",
                                 "door_open", "hint_appear", "hint_fade"}) {
            animations += std::string("<Animation name=\"") + name +
                          "\"><FrameLength>100</FrameLength><Rect x=\"0\" y=\"0\" w=\"4\" h=\"4\"/></Animation>\n";
        }
        write("data/gfx/animations.xml", animations + "</Animations>\n");
        write("data/levels.xml", "<LevelList>\n"
                                 "<Level position=\"1\" filename=\"data/levels/one.xml\"/>\n"
                                 "<Level position=\"2\" filename=\"data/levels/two.xml\"/>\n"
                                 "<Level position=\"3\" filename=\"data/levels/outro.xml\"/>\n"
                                 "</LevelList>\n");
        levelPicture("data/levels/one.png", true, true);
        levelPicture("data/levels/two.png", false, true);
        levelPicture("data/levels/outro.png", false, false);
        level("one", "");
        level("two", "");
        level("outro", "<Outro>1</Outro>");
    }
    ~Content()
    {
        fs::remove_all(root);
        animationLibrary().clear();
    }

    void write(const std::string &relative, const std::string &text)
    {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative) << text;
    }

    void picture(const std::string &relative, const Picture &picture)
    {
        const std::vector<std::uint8_t> bytes = encodePng(picture);
        write(relative, std::string(bytes.begin(), bytes.end()));
    }

    // A floor with a start and a door marker on it when asked.
    void levelPicture(const std::string &relative, bool start, bool door)
    {
        Picture level(256, 256, opaque(0x000000));
        level.fillRect(0, 240, 256, 16, opaque(0xFFFFFF));
        if (start) {
            level.set(20, 239, opaque(0x0000FF));
        }
        if (door) {
            level.set(230, 218, opaque(0xFF00FF));
        }
        picture(relative, level);
    }

    // A level file named after its picture with one message; `extra` goes
    // into the root after the standard elements.
    void level(const std::string &name, const std::string &extra,
               const std::string &message = "<GameMessage x=\"10\" y=\"200\" radius=\"30\">"
                                            "<Image>data/gfx/hint.png</Image><Animation>hint_appear</Animation>"
                                            "<Timed>1</Timed><HowLong>500</HowLong><TimedEvent>hint_fade</TimedEvent>"
                                            "</GameMessage>")
    {
        write("data/levels/" + name + ".xml",
              "<GorlakLevel>\n<LevelImage>data/levels/" + name +
                  ".png</LevelImage>\n<BackgroundImage>data/gfx/back.png</BackgroundImage>\n"
                  "<GroundColor r=\"255\" g=\"100\" b=\"80\" a=\"60\"/>\n" +
                  extra + message + "\n</GorlakLevel>\n");
    }

    // The report of a check; `problems` receives the count.
    std::string check(int &problems) const
    {
        std::ostringstream report;
        const LevelCheckResult result = checkContent(root, report);
        problems = result.problems;
        return report.str();
    }

    // Expects exactly one problem, on a line that names the file and says
    // what is wrong.
    void expectOnly(const std::string &fileName, const std::string &words) const
    {
        int problems = 0;
        const std::string report = check(problems);
        EXPECT_EQ(problems, 1) << report;
        EXPECT_NE(report.find(fileName + ": "), std::string::npos) << report;
        EXPECT_NE(report.find(words), std::string::npos) << report;
    }

    fs::path root;
};

}  // namespace

TEST(LevelCheck, sound_content_passes_and_the_working_directory_is_kept)
{
    Content content;
    const fs::path before = fs::current_path();
    int problems = -1;
    const std::string report = content.check(problems);
    EXPECT_EQ(problems, 0) << report;
    EXPECT_EQ(report, "");
    EXPECT_EQ(fs::current_path(), before);

    std::ostringstream shipped;
    const LevelCheckResult result = checkContent(GORLAK_SOURCE_DIR, shipped);
    EXPECT_EQ(result.problems, 0) << shipped.str();
    EXPECT_GE(result.levels, 7);
}

TEST(LevelCheck, missing_and_unloadable_files_are_reported)
{
    {
        Content content;
        content.write("data/levels.xml", "<LevelList><Level position=\"1\" filename=\"data/levels/gone.xml\"/>"
                                         "</LevelList>");
        content.expectOnly("data/levels/gone.xml", "missing");
    }
    {
        Content content;
        fs::remove(content.root / "data/levels/two.png");
        content.expectOnly("data/levels/two.xml", "level picture \"data/levels/two.png\"");
    }
    {
        Content content;
        content.write("data/gfx/back.png", "not a picture");
        int problems = 0;
        const std::string report = content.check(problems);
        EXPECT_EQ(problems, 3) << report;  // every level uses it
        EXPECT_NE(report.find("data/levels/outro.xml: background picture"), std::string::npos) << report;
    }
    {
        Content content;
        fs::remove(content.root / "data/gfx/lawnmower.png");
        content.expectOnly("data/gfx/lawnmower.png", "cannot be loaded");
    }
    {
        Content content;
        content.level("two", "", "<GameMessage x=\"1\" y=\"2\" radius=\"3\"><Image>data/gfx/nope.png</Image>"
                                 "</GameMessage>");
        content.expectOnly("data/levels/two.xml", "picture \"data/gfx/nope.png\"");
    }
}

TEST(LevelCheck, unknown_elements_are_reported_where_they_stand)
{
    {
        Content content;
        content.write("data/levels.xml", "<LevelList><Level position=\"1\" filename=\"data/levels/one.xml\"/>"
                                         "<Levle position=\"2\" filename=\"data/levels/two.xml\"/></LevelList>");
        content.expectOnly("data/levels.xml", "unknown element \"Levle\"");
    }
    {
        Content content;
        content.level("one", "<BloodSuckr>1</BloodSuckr>");
        content.expectOnly("data/levels/one.xml", "unknown element \"BloodSuckr\" in \"GorlakLevel\"");
    }
    {
        Content content;
        content.level("two", "", "<GameMessage x=\"1\" y=\"2\" radius=\"3\"><XPos>4</XPos></GameMessage>");
        content.expectOnly("data/levels/two.xml", "unknown element \"XPos\" in \"GameMessage\"");
    }
}

TEST(LevelCheck, door_and_start_markers)
{
    {
        Content content;
        content.levelPicture("data/levels/two.png", true, false);
        content.expectOnly("data/levels/two.xml", "no door marker");
    }
    {
        Content content;
        content.levelPicture("data/levels/one.png", false, true);
        content.expectOnly("data/levels/one.xml", "no start marker");
    }
    {
        // An outro flag lifts the door rule; later levels may reuse the start.
        Content content;
        content.levelPicture("data/levels/two.png", false, false);
        content.level("two", "<Outro>1</Outro>");
        int problems = -1;
        const std::string report = content.check(problems);
        EXPECT_EQ(problems, 0) << report;
    }
}

TEST(LevelCheck, message_animations_and_radius)
{
    {
        Content content;
        content.level("one", "", "<GameMessage x=\"1\" y=\"2\" radius=\"3\"><Animation>hint_apear</Animation>"
                                 "<Timed>1</Timed><TimedEvent>gone</TimedEvent></GameMessage>");
        int problems = 0;
        const std::string report = content.check(problems);
        EXPECT_EQ(problems, 2) << report;
        EXPECT_NE(report.find("data/levels/one.xml: game message at (1, 2): Animation \"hint_apear\""),
                  std::string::npos) << report;
        EXPECT_NE(report.find("TimedEvent \"gone\""), std::string::npos) << report;
    }
    {
        Content content;
        content.level("two", "", "<GameMessage x=\"5\" y=\"6\"/>");
        content.expectOnly("data/levels/two.xml", "game message at (5, 6) has no \"radius\"");
    }
    {
        Content content;
        content.write("data/gfx/animations.xml", "<Animations><Animation name=\"hint_appear\"><Rect w=\"1\" h=\"1\"/>"
                                                 "</Animation></Animations>");
        int problems = 0;
        const std::string report = content.check(problems);
        EXPECT_EQ(problems, 16 + 3) << report;  // the game's own and each level's timed event
        EXPECT_NE(report.find("data/gfx/animations.xml: lacks the animation \"p_stand_left\""), std::string::npos);
    }
}

TEST(LevelCheck, list_gaps_and_incomplete_entries)
{
    Content content;
    content.write("data/levels.xml", "<LevelList><Level position=\"1\" filename=\"data/levels/one.xml\"/>"
                                     "<Level filename=\"data/levels/two.xml\"/>"
                                     "<Level position=\"3\" filename=\"data/levels/outro.xml\"/></LevelList>");
    int problems = 0;
    const std::string report = content.check(problems);
    EXPECT_EQ(problems, 2) << report;
    EXPECT_NE(report.find("data/levels.xml: a \"Level\" without"), std::string::npos) << report;
    EXPECT_NE(report.find("data/levels.xml: position 2 names no level file"), std::string::npos) << report;
}
