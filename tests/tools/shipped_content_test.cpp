// Checks the content the game ships: every file a level names exists and
// loads, the animations cover everything played, and the level pictures
// can be played.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
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

bool exists(const std::string &relative)
{
    return std::filesystem::is_regular_file(kRoot + "/" + relative);
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

    std::uint32_t rgb(int x, int y) const
    {
        const auto *row = static_cast<const std::uint8_t *>(surface->pixels) + y * surface->pitch;
        std::uint32_t raw = 0;
        std::memcpy(&raw, row + x * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
        std::uint8_t r = 0, g = 0, b = 0;
        SDL_GetRGB(raw, surface->format, &r, &g, &b);
        return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) | b;
    }
};

}  // namespace

TEST(ShippedContent, settings_and_level_list_are_complete)
{
    const std::string settings = readFile("settings.xml");
    EXPECT_EQ(texts(settings, "Fullscreen"), std::vector<std::string>{"0"});
    EXPECT_EQ(texts(settings, "Width"), std::vector<std::string>{"256"});
    EXPECT_EQ(texts(settings, "Height"), std::vector<std::string>{"192"});
    EXPECT_EQ(texts(settings, "PixelSize"), std::vector<std::string>{"4"});

    const std::string list = readFile("data/levels.xml");
    const std::vector<std::string> positions = attributeValues(list, "Level", "position");
    ASSERT_GE(positions.size(), 7u);
    for (std::size_t i = 0; i < positions.size(); ++i)
        EXPECT_EQ(positions[i], std::to_string(i + 1)) << "positions must run from 1 without gaps";
    for (const std::string &file : levelFiles())
        EXPECT_TRUE(exists(file)) << file;
    // Only the last level is the outro: nothing can follow it.
    const std::vector<std::string> files = levelFiles();
    for (std::size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(texts(readFile(files[i]), "Outro") == std::vector<std::string>{"1"}, i + 1 == files.size())
            << files[i];
}

TEST(ShippedContent, every_picture_a_level_names_loads_at_its_size)
{
    for (const std::string &file : levelFiles()) {
        const std::string level = readFile(file);
        const std::vector<std::string> images = texts(level, "LevelImage");
        const std::vector<std::string> backgrounds = texts(level, "BackgroundImage");
        ASSERT_EQ(images.size(), 1u) << file;
        ASSERT_EQ(backgrounds.size(), 1u) << file;
        for (const std::string &picture : {images[0], backgrounds[0]}) {
            const LoadedPicture loaded(picture);
            ASSERT_NE(loaded.surface, nullptr) << file << ": " << picture;
            EXPECT_EQ(loaded.surface->w, 256) << picture;
            EXPECT_EQ(loaded.surface->h, 256) << picture;
        }
        EXPECT_EQ(texts(level, "GroundColor").size(), 0u) << "GroundColor is an empty element";
        EXPECT_EQ(attributeValues(level, "GroundColor", "r").size(), 1u) << file;
        const std::vector<std::string> radii = attributeValues(level, "GameMessage", "radius");
        const std::vector<std::string> messageImages = texts(level, "Image");
        EXPECT_EQ(radii.size(), messageImages.size()) << file << ": every message needs a radius";
        for (const std::string &picture : messageImages)
            EXPECT_NE(LoadedPicture(picture).surface, nullptr) << file << ": " << picture;
        if (texts(level, "CameraPan") == std::vector<std::string>{"1"}) {
            EXPECT_EQ(texts(level, "CameraPanSpeed").size(), 1u) << file;
        }
    }
    for (const char *picture : {"data/gfx/gorlak_background.png", "data/gfx/collectable.png",
                                "data/gfx/lawnmower.png", "data/gfx/door.png", "data/gfx/player_avatar.png",
                                "data/gfx/zombie_sprite.png"})
        EXPECT_NE(LoadedPicture(picture).surface, nullptr) << picture;
}

TEST(ShippedContent, animations_cover_everything_played_and_fit_their_pictures)
{
    const std::string xml = readFile("data/gfx/animations.xml");
    std::set<std::string> defined;
    for (const std::string &name : attributeValues(xml, "Animation", "name"))
        EXPECT_TRUE(defined.insert(name).second) << name << " defined twice";
    for (const char *name :
         {"p_stand_left", "p_stand_right", "p_run_left", "p_run_right", "p_jump_left", "p_jump_right", "p_swim_left",
          "p_swim_right", "p_turn_left", "p_turn_right", "z_walk_left", "z_walk_right", "z_attack_left",
          "z_attack_right", "door_closed", "door_open"})
        EXPECT_TRUE(defined.count(name)) << name;
    for (const std::string &file : levelFiles()) {
        const std::string level = readFile(file);
        for (const std::string &name : texts(level, "Animation"))
            EXPECT_TRUE(defined.count(name)) << file << ": " << name;
        for (const std::string &name : texts(level, "TimedEvent"))
            EXPECT_TRUE(defined.count(name)) << file << ": " << name;
    }

    // Each animation's frames must lie inside the picture that plays it.
    const std::map<std::string, std::string> pictureOfPrefix = {
        {"p_", "data/gfx/player_avatar.png"}, {"z_", "data/gfx/zombie_sprite.png"},
        {"door_", "data/gfx/door.png"}, {"hint_", "data/gfx/hints/hint_run.png"}};
    const std::regex animationPattern("<Animation name=\"([^\"]*)\"[^>]*>([\\s\\S]*?)</Animation>");
    const std::regex rectPattern("<Rect x=\"(\\d+)\" y=\"(\\d+)\" w=\"(\\d+)\" h=\"(\\d+)\"/>");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), animationPattern); it != std::sregex_iterator(); ++it) {
        const std::string name = (*it)[1];
        const std::string body = (*it)[2];
        std::string picture;
        for (const auto &[prefix, file] : pictureOfPrefix)
            if (name.rfind(prefix, 0) == 0)
                picture = file;
        ASSERT_FALSE(picture.empty()) << name << " belongs to no picture";
        const LoadedPicture loaded(picture);
        ASSERT_NE(loaded.surface, nullptr);
        int frames = 0;
        for (auto rect = std::sregex_iterator(body.begin(), body.end(), rectPattern); rect != std::sregex_iterator();
             ++rect, ++frames) {
            EXPECT_LE(std::stoi((*rect)[1]) + std::stoi((*rect)[3]), loaded.surface->w) << name;
            EXPECT_LE(std::stoi((*rect)[2]) + std::stoi((*rect)[4]), loaded.surface->h) << name;
            if (name.rfind("p_", 0) == 0) {
                EXPECT_EQ((*rect)[3], "4") << name << ": the player is 4 wide";
                EXPECT_EQ((*rect)[4], "13") << name;
            }
            if (name.rfind("z_", 0) == 0) {
                EXPECT_EQ((*rect)[3], "7") << name << ": a zombie is 7 wide";
                EXPECT_EQ((*rect)[4], "13") << name;
            }
            if (name.rfind("door_", 0) == 0) {
                EXPECT_EQ((*rect)[3], "13") << name;
                EXPECT_EQ((*rect)[4], "21") << name;
            }
        }
        EXPECT_GT(frames, 0) << name;
        EXPECT_NE(body.find("<FrameLength>"), std::string::npos) << name;
    }
}

TEST(ShippedContent, level_pictures_have_one_start_and_one_open_door)
{
    for (const std::string &file : levelFiles()) {
        const std::string level = readFile(file);
        const bool outro = texts(level, "Outro") == std::vector<std::string>{"1"};
        const LoadedPicture picture(texts(level, "LevelImage").at(0));
        ASSERT_NE(picture.surface, nullptr) << file;
        std::vector<std::pair<int, int>> starts;
        std::vector<std::pair<int, int>> doors;
        int collectables = 0;
        int bloodInDrainRows = 0;
        int drainingColumns = 0;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const std::uint32_t colour = picture.rgb(x, y);
                if (colour == 0x0000FF)
                    starts.emplace_back(x, y);
                else if (colour == 0xFF00FF)
                    doors.emplace_back(x, y);
                else if (colour == 0x00FFFF)
                    ++collectables;
                else if (colour == 0xFF0000 && y >= 128 && y <= 167)
                    ++bloodInDrainRows;
            }
        // Columns where blood lies above the drained rows with nothing solid
        // between: that blood falls into them and vanishes.
        for (int x = 0; x < 256; ++x) {
            bool bloodAbove = false;
            for (int y = 0; y < 128; ++y) {
                const std::uint32_t colour = picture.rgb(x, y);
                if (colour == 0xFFFFFF)
                    bloodAbove = false;
                else if (colour == 0xFF0000)
                    bloodAbove = true;
            }
            drainingColumns += bloodAbove ? 1 : 0;
        }
        if (outro) {
            EXPECT_TRUE(doors.empty()) << file;
            continue;
        }
        ASSERT_EQ(starts.size(), 1u) << file;
        ASSERT_EQ(doors.size(), 1u) << file;
        EXPECT_GT(collectables, 0) << file;
        // The start must put the player's body inside the world (both
        // coordinates above 0, or the game keeps the old position).
        EXPECT_GT(starts[0].first, 0) << file;
        EXPECT_GT(starts[0].second - 13, 0) << file;
        for (int y = doors[0].second; y < doors[0].second + 21; ++y)
            for (int x = doors[0].first; x < doors[0].first + 13; ++x)
                EXPECT_NE(picture.rgb(x, y), 0xFFFFFFu) << file << ": ground inside the door at " << x << "," << y;
        if (texts(level, "BloodSucker") == std::vector<std::string>{"1"}) {
            EXPECT_GT(bloodInDrainRows + drainingColumns, 0) << file << ": the drain has no flood to drain";
        }
    }
}

TEST(ShippedContent, lawnmower_turns_about_its_handle_end)
{
    // The game turns the picture about (5, 4): that pixel must be the handle
    // end, with the housing to its right so that angle 0 points right.
    const LoadedPicture mower("data/gfx/lawnmower.png");
    ASSERT_NE(mower.surface, nullptr);
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    const auto alphaAt = [&](int x, int y) {
        const auto *row = static_cast<const std::uint8_t *>(mower.surface->pixels) + y * mower.surface->pitch;
        std::uint32_t raw = 0;
        std::memcpy(&raw, row + x * mower.surface->format->BytesPerPixel, mower.surface->format->BytesPerPixel);
        SDL_GetRGBA(raw, mower.surface->format, &r, &g, &b, &a);
        return a;
    };
    EXPECT_EQ(alphaAt(5, 4), 255);
    int left = 0;
    int right = 0;
    for (int y = 0; y < mower.surface->h; ++y)
        for (int x = 0; x < mower.surface->w; ++x)
            if (alphaAt(x, y) > 0)
                (x > 5 ? right : left) += 1;
    EXPECT_GT(right, left * 4) << "the housing lies right of the pivot";
}
