#include "levelcheck/level_check.h"

#include "content/png_writer.h"
#include "formats/animation_library.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>

namespace {

namespace fs = std::filesystem;

// A copy of the small test content, which passes the check: plain.xml and
// blood.xml in the list, on their own pictures and one background.
class Content {
public:
    Content() : root(fs::temp_directory_path() / ("levelcheck_" + std::to_string(getpid())))
    {
        fs::remove_all(root);
        fs::copy(GORLAK_TEST_DATA_DIR "/e2e_content", root, fs::copy_options::recursive);
    }
    ~Content()
    {
        fs::remove_all(root);
        animationLibrary().clear();
    }

    void write(const std::string &relative, const std::string &text) const { std::ofstream(root / relative) << text; }
    void list(const std::string &levels) const { write("data/levels.xml", "<LevelList>" + levels + "</LevelList>"); }
    // The level's file on its own picture; `extra` goes after the pictures.
    void level(const std::string &name, const std::string &extra) const
    {
        write("data/levels/" + name + ".xml", "<GorlakLevel><LevelImage>data/levels/" + name +
                                                  ".png</LevelImage><BackgroundImage>data/levels/background.png"
                                                  "</BackgroundImage>" + extra + "</GorlakLevel>");
    }
    // An empty level picture with a start and a door marker when asked.
    void markers(const std::string &name, bool start, bool door) const
    {
        Picture level(256, 256, opaque(0x000000));
        level.set(20, 239, opaque(start ? 0x0000FF : 0));
        level.set(230, 218, opaque(door ? 0xFF00FF : 0));
        const std::vector<std::uint8_t> bytes = encodePng(level);
        write("data/levels/" + name + ".png", std::string(bytes.begin(), bytes.end()));
    }
    // The report of a check; `problems` receives the count.
    std::string check(int &problems) const
    {
        std::ostringstream report;
        problems = checkContent(root, report).problems;
        return report.str();
    }

    fs::path root;
};

}  // namespace

// Each fault gives the expected number of problems, on lines that name the
// file and say what is wrong; the working directory is kept.
TEST(LevelCheck, each_kind_of_fault_is_reported_naming_its_file)
{
    using Damage = std::function<void(const Content &)>;
    const std::string plain = "<Level position=\"1\" filename=\"data/levels/plain.xml\"/>";
    const std::string message = "<GameMessage x=\"1\" y=\"2\" radius=\"3\">";
    const std::vector<std::tuple<Damage, int, std::vector<std::string>>> cases = {
        {[](auto &) {}, 0, {}},
        {[](auto &c) { c.list("<Level position=\"1\" filename=\"data/levels/gone.xml\"/>"); },
         1, {"data/levels/gone.xml: level file is missing"}},
        // Reported once, not again for its markers.
        {[](auto &c) { fs::remove(c.root / "data/levels/blood.png"); },
         1, {"data/levels/blood.xml: level picture \"data/levels/blood.png\" is missing"}},
        // Every level uses it.
        {[](auto &c) { c.write("data/levels/background.png", "not a picture"); },
         3, {"data/levels/blood.xml: background picture \"data/levels/background.png\""}},
        {[](auto &c) { fs::remove(c.root / "data/gfx/lawnmower.png"); },
         1, {"data/gfx/lawnmower.png: picture is missing or cannot be loaded"}},
        {[&](auto &c) { c.level("blood", message + "<Image>data/gfx/nope.png</Image></GameMessage>"); },
         1, {"data/levels/blood.xml: game message at (1, 2): picture \"data/gfx/nope.png\""}},
        {[&](auto &c) {
             c.list(plain + "<Levle position=\"2\" filename=\"data/levels/blood.xml\"/>");
             c.level("plain", "<BloodSuckr>1</BloodSuckr>" + message + "<XPos>4</XPos></GameMessage>");
         },
         3, {"data/levels.xml: unknown element \"Levle\" in \"LevelList\"",
             "data/levels/plain.xml: unknown element \"BloodSuckr\" in \"GorlakLevel\"",
             "data/levels/plain.xml: unknown element \"XPos\" in \"GameMessage\""}},
        {[](auto &c) { c.markers("blood", true, false); },
         1, {"data/levels/blood.xml: level picture \"data/levels/blood.png\" has no door marker"}},
        {[](auto &c) { c.markers("plain", false, true); },
         1, {"data/levels/plain.xml: level picture \"data/levels/plain.png\" of the first level has no start marker"}},
        // An outro flag lifts the door rule; later levels may reuse the start.
        {[](auto &c) { c.markers("blood", false, false); c.level("blood", "<Outro>1</Outro>"); }, 0, {}},
        {[&](auto &c) {
             c.level("plain", message + "<Animation>hint_apear</Animation><Timed>1</Timed>"
                                        "<TimedEvent>gone</TimedEvent></GameMessage>");
         },
         2, {"data/levels/plain.xml: game message at (1, 2): Animation \"hint_apear\"", "TimedEvent \"gone\""}},
        {[](auto &c) { c.level("blood", "<GameMessage x=\"5\" y=\"6\"/>"); },
         1, {"data/levels/blood.xml: game message at (5, 6) has no \"radius\""}},
        // Each of the game's own animations, and the two of the busy level's
        // timed message.
        {[](auto &c) {
             c.write("data/gfx/animations.xml",
                     "<Animations><Animation name=\"hint_appear\"><Rect w=\"1\" h=\"1\"/></Animation></Animations>");
         },
         18, {"data/gfx/animations.xml: lacks the animation \"p_stand_left\""}},
        {[&](auto &c) {
             c.list(plain + "<Level filename=\"data/levels/blood.xml\"/>"
                            "<Level position=\"3\" filename=\"data/levels/blood.xml\"/>");
         },
         2, {"data/levels.xml: a \"Level\" without", "data/levels.xml: position 2 names no level file"}},
        // Read in order, the lower position cuts the list back; 0 is ignored.
        {[&](auto &c) {
             c.list("<Level position=\"2\" filename=\"data/levels/blood.xml\"/>" + plain +
                    "<Level position=\"0\" filename=\"data/levels/blood.xml\"/>" + plain);
         },
         3, {"data/levels.xml: position 1 comes after position 2", "position 0 is outside 1 to 9999",
             "position 1 is listed twice"}},
    };
    for (const auto &[damage, expectedProblems, lines] : cases) {
        Content content;
        damage(content);
        const fs::path before = fs::current_path();
        int problems = 0;
        const std::string report = content.check(problems);
        EXPECT_EQ(problems, expectedProblems) << report;
        EXPECT_EQ(fs::current_path(), before);
        for (const std::string &line : lines) {
            EXPECT_NE(report.find(line), std::string::npos) << report;
        }
    }
}
