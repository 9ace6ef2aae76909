// Checks of the content the game ships beyond what the level check, the
// comparison with the art sources, the reach check and the play-throughs make.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string readFile(const std::string &relative)
{
    std::ifstream in(std::string(GORLAK_SOURCE_DIR) + "/" + relative);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The groups of every match, in document order.
std::vector<std::smatch> matches(const std::string &text, const std::string &pattern)
{
    const std::regex regex(pattern);
    return {std::sregex_iterator(text.begin(), text.end(), regex), std::sregex_iterator()};
}

}  // namespace

TEST(ShippedContent, animation_frames_have_the_sizes_the_game_collides_with)
{
    const std::string xml = readFile("data/gfx/animations.xml");
    const std::vector<std::pair<std::string, std::string>> bodies = {
        {"p_", "w=\"4\" h=\"13\""}, {"z_", "w=\"7\" h=\"13\""}, {"door_", "w=\"13\" h=\"21\""}};
    int checked = 0;
    for (const std::smatch &animation : matches(xml, "<Animation name=\"([^\"]*)\"[^>]*>([\\s\\S]*?)</Animation>")) {
        const std::string name = animation[1];
        const std::string body = animation[2];
        for (const auto &[prefix, size] : bodies) {
            if (name.rfind(prefix, 0) != 0)
                continue;
            const std::vector<std::smatch> rects = matches(body, "<Rect [^>]*/>");
            EXPECT_FALSE(rects.empty()) << name;
            for (const std::smatch &rect : rects)
                EXPECT_NE(rect.str().find(size), std::string::npos) << name << ": " << rect.str();
            ++checked;
        }
    }
    EXPECT_GE(checked, 16);
}

TEST(ShippedContent, lawnmower_turns_about_its_handle_end)
{
    // The game turns the picture about (5, 4): that pixel must be the handle
    // end, with the housing to its right so that angle 0 points right.
    SDL_Surface *mower = IMG_Load(GORLAK_SOURCE_DIR "/data/gfx/lawnmower.png");
    ASSERT_NE(mower, nullptr);
    const auto alpha = [mower](int x, int y) {
        std::uint32_t raw = 0;
        std::memcpy(&raw, static_cast<const std::uint8_t *>(mower->pixels) + y * mower->pitch +
                              x * mower->format->BytesPerPixel, mower->format->BytesPerPixel);
        std::uint8_t r = 0, g = 0, b = 0, a = 0;
        SDL_GetRGBA(raw, mower->format, &r, &g, &b, &a);
        return a;
    };
    EXPECT_EQ(alpha(5, 4), 255);
    int left = 0;
    int right = 0;
    for (int y = 0; y < mower->h; ++y)
        for (int x = 0; x < mower->w; ++x)
            if (alpha(x, y) > 0)
                (x > 5 ? right : left) += 1;
    EXPECT_GT(right, left * 4) << "the housing lies right of the pivot";
    SDL_FreeSurface(mower);
}
