// Checks the content the game ships: every file a level names exists and
// loads, the animations cover everything played, and the level pictures
// can be played.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kRoot = GORLAK_SOURCE_DIR;

std::string readFile(const std::string &relative)
{
    std::ifstream in(kRoot + "/" + relative);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Text of every element with this name, in document order.
std::vector<std::string> texts(const std::string &xml, const std::string &name)
{
    std::vector<std::string> found;
    const std::regex pattern("<" + name + ">([^<]*)</" + name + ">");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), pattern); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1]);
    return found;
}

std::vector<std::string> attributeValues(const std::string &xml, const std::string &element,
                                         const std::string &attribute)
{
    std::vector<std::string> found;
    const std::regex pattern("<" + element + "[^>]*\\s" + attribute + "=\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), pattern); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1]);
    return found;
}

std::vector<std::string> levelFiles()
{
    return attributeValues(readFile("data/levels.xml"), "Level", "filename");
}

struct LoadedPicture {
    SDL_Surface *surface = nullptr;
    explicit LoadedPicture(const std::string &relative) : surface(IMG_Load((kRoot + "/" + relative).c_str())) {}
    ~LoadedPicture() { SDL_FreeSurface(surface); }
    LoadedPicture(const LoadedPicture &) = delete;
    LoadedPicture &operator=(const LoadedPicture &) = delete;

    // The pixel as 0xAARRGGBB.
    std::uint32_t argb(int x, int y) const
    {
        const auto *row = static_cast<const std::uint8_t *>(surface->pixels) + y * surface->pitch;
        std::uint32_t raw = 0;
        std::memcpy(&raw, row + x * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
        std::uint8_t r = 0, g = 0, b = 0, a = 0;
        SDL_GetRGBA(raw, surface->format, &r, &g, &b, &a);
        return (static_cast<std::uint32_t>(a) << 24) | (static_cast<std::uint32_t>(r) << 16) |
               (static_cast<std::uint32_t>(g) << 8) | b;
    }
    std::uint32_t rgb(int x, int y) const { return argb(x, y) & 0xFFFFFF; }
};

}  // namespace

TEST(ShippedContent, level_list_runs_in_order_and_ends_with_the_outro)
{
    const std::vector<std::string> positions = attributeValues(readFile("data/levels.xml"), "Level", "position");
    ASSERT_GE(positions.size(), 7u);
    for (std::size_t i = 0; i < positions.size(); ++i)
        EXPECT_EQ(positions[i], std::to_string(i + 1)) << "positions must run from 1 without gaps";
    const std::vector<std::string> files = levelFiles();
    for (std::size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(texts(readFile(files[i]), "Outro") == std::vector<std::string>{"1"}, i + 1 == files.size())
            << files[i];
}

TEST(ShippedContent, every_picture_a_level_names_loads_at_its_size)
{
    for (const std::string &file : levelFiles()) {
        const std::string level = readFile(file);
        for (const char *element : {"LevelImage", "BackgroundImage"}) {
            const std::vector<std::string> named = texts(level, element);
            ASSERT_EQ(named.size(), 1u) << file << ": " << element;
            const LoadedPicture loaded(named[0]);
            ASSERT_NE(loaded.surface, nullptr) << file << ": " << named[0];
            EXPECT_TRUE(loaded.surface->w == 256 && loaded.surface->h == 256) << named[0];
        }
        const std::vector<std::string> messageImages = texts(level, "Image");
        EXPECT_EQ(attributeValues(level, "GameMessage", "radius").size(), messageImages.size())
            << file << ": every message needs a radius";
        for (const std::string &picture : messageImages)
            EXPECT_NE(LoadedPicture(picture).surface, nullptr) << file << ": " << picture;
    }
    for (const char *picture : {"data/gfx/gorlak_background.png", "data/gfx/collectable.png",
                                "data/gfx/lawnmower.png", "data/gfx/door.png"})
        EXPECT_NE(LoadedPicture(picture).surface, nullptr) << picture;
}

TEST(ShippedContent, animations_cover_everything_played_and_fit_their_pictures)
{
    const std::string xml = readFile("data/gfx/animations.xml");
    std::set<std::string> defined;
    for (const std::string &name : attributeValues(xml, "Animation", "name"))
        EXPECT_TRUE(defined.insert(name).second) << name << " defined twice";
    for (const char *name : {"p_stand_left", "p_run_right", "p_jump_left", "p_swim_right", "p_turn_left",
                             "z_walk_left", "z_attack_right", "door_closed", "door_open"})
        EXPECT_TRUE(defined.count(name)) << name;
    for (const std::string &file : levelFiles()) {
        const std::string level = readFile(file);
        for (const char *element : {"Animation", "TimedEvent"})
            for (const std::string &name : texts(level, element))
                EXPECT_TRUE(defined.count(name)) << file << ": " << name;
    }

    // Each frame lies inside the picture that plays it; bodies have the
    // sizes the game collides with (0 = any).
    struct Owner {
        std::string picture;
        std::string w, h;
    };
    const std::map<std::string, Owner> owners = {{"p_", {"data/gfx/player_avatar.png", "4", "13"}},
                                                 {"z_", {"data/gfx/zombie_sprite.png", "7", "13"}},
                                                 {"door_", {"data/gfx/door.png", "13", "21"}},
                                                 {"hint_", {"data/gfx/hints/hint_run.png", "", ""}}};
    const std::regex animationPattern("<Animation name=\"([^\"]*)\"[^>]*>([\\s\\S]*?)</Animation>");
    const std::regex rectPattern("<Rect x=\"(\\d+)\" y=\"(\\d+)\" w=\"(\\d+)\" h=\"(\\d+)\"/>");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), animationPattern); it != std::sregex_iterator(); ++it) {
        const std::string name = (*it)[1];
        const std::string body = (*it)[2];
        const Owner *owner = nullptr;
        for (const auto &[prefix, candidate] : owners)
            if (name.rfind(prefix, 0) == 0)
                owner = &candidate;
        ASSERT_NE(owner, nullptr) << name << " belongs to no picture";
        const LoadedPicture loaded(owner->picture);
        ASSERT_NE(loaded.surface, nullptr);
        int frames = 0;
        for (auto rect = std::sregex_iterator(body.begin(), body.end(), rectPattern); rect != std::sregex_iterator();
             ++rect, ++frames) {
            EXPECT_LE(std::stoi((*rect)[1]) + std::stoi((*rect)[3]), loaded.surface->w) << name;
            EXPECT_LE(std::stoi((*rect)[2]) + std::stoi((*rect)[4]), loaded.surface->h) << name;
            if (!owner->w.empty()) {
                EXPECT_TRUE((*rect)[3] == owner->w && (*rect)[4] == owner->h) << name;
            }
        }
        EXPECT_GT(frames, 0) << name;
    }
}

TEST(ShippedContent, level_pictures_have_one_start_and_one_open_door)
{
    for (const std::string &file : levelFiles()) {
        const std::string level = readFile(file);
        const LoadedPicture picture(texts(level, "LevelImage").at(0));
        ASSERT_NE(picture.surface, nullptr) << file;
        std::vector<std::pair<int, int>> starts;
        std::vector<std::pair<int, int>> doors;
        int collectables = 0;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const std::uint32_t colour = picture.rgb(x, y);
                if (colour == 0x0000FF)
                    starts.emplace_back(x, y);
                else if (colour == 0xFF00FF)
                    doors.emplace_back(x, y);
                collectables += colour == 0x00FFFF;
            }
        if (texts(level, "Outro") == std::vector<std::string>{"1"}) {
            EXPECT_TRUE(doors.empty()) << file;
            continue;
        }
        ASSERT_EQ(starts.size(), 1u) << file;
        ASSERT_EQ(doors.size(), 1u) << file;
        EXPECT_GT(collectables, 0) << file;
        // The player's body must start inside the world, or the game keeps
        // the old position.
        EXPECT_TRUE(starts[0].first > 0 && starts[0].second - 13 > 0) << file;
        for (int y = doors[0].second; y < doors[0].second + 21; ++y)
            for (int x = doors[0].first; x < doors[0].first + 13; ++x)
                EXPECT_NE(picture.rgb(x, y), 0xFFFFFFu) << file << ": ground inside the door at " << x << "," << y;
        if (texts(level, "BloodSucker") == std::vector<std::string>{"1"}) {
            // Blood in the drained rows, or falling into them from above.
            int draining = 0;
            for (int x = 0; x < 256; ++x) {
                bool bloodAbove = false;
                for (int y = 0; y < 168; ++y) {
                    const std::uint32_t colour = picture.rgb(x, y);
                    bloodAbove = colour == 0xFF0000 ? true : colour == 0xFFFFFF && y < 128 ? false : bloodAbove;
                }
                draining += bloodAbove;
            }
            EXPECT_GT(draining, 0) << file << ": the drain has no flood to drain";
        }
    }
}

TEST(ShippedContent, lawnmower_turns_about_its_handle_end)
{
    // The game turns the picture about (5, 4): that pixel must be the handle
    // end, with the housing to its right so that angle 0 points right.
    const LoadedPicture mower("data/gfx/lawnmower.png");
    ASSERT_NE(mower.surface, nullptr);
    EXPECT_EQ(mower.argb(5, 4) >> 24, 255u);
    int left = 0;
    int right = 0;
    for (int y = 0; y < mower.surface->h; ++y)
        for (int x = 0; x < mower.surface->w; ++x)
            if (mower.argb(x, y) >> 24 > 0)
                (x > 5 ? right : left) += 1;
    EXPECT_GT(right, left * 4) << "the housing lies right of the pivot";
}
