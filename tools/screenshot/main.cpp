// gorlak_screenshot CONTENT_DIR LEVEL_FILE FRAMES OUT.png: starts the game
// without a window, loads one level, plays FRAMES frames with no input on a
// driven clock and writes the screen as a PNG. Same level and frame
// count, same picture.
#include "content/png_writer.h"
#include "core/game.h"
#include "core/program.h"
#include "gfx/video.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

namespace {

// The screen surface as a Picture, whatever its pixel layout.
Picture capture(SDL_Surface *screen)
{
    Picture picture(screen->w, screen->h);
    SDL_LockSurface(screen);
    const int bytes = screen->format->BytesPerPixel;
    for (int y = 0; y < screen->h; ++y) {
        const auto *row = static_cast<const std::uint8_t *>(screen->pixels) + y * screen->pitch;
        for (int x = 0; x < screen->w; ++x) {
            std::uint32_t raw = 0;
            std::memcpy(&raw, row + x * bytes, static_cast<std::size_t>(bytes));
            std::uint8_t r = 0, g = 0, b = 0;
            SDL_GetRGB(raw, screen->format, &r, &g, &b);
            picture.set(x, y, opaque((static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) | b));
        }
    }
    SDL_UnlockSurface(screen);
    return picture;
}

int takeScreenshot(const std::string &contentDirectory, const std::string &level, int frames,
                   const std::string &output)
{
    const ProgramOptions options = ProgramOptions::reproducible(contentDirectory, 1);
    int status = 1;
    if (startProgram(options) && runningGame()->loadLevel(level)) {
        for (int frame = 0; frame < frames; ++frame) {
            runOneFrame();
        }
        const std::vector<std::uint8_t> png = encodePng(capture(video.screen));
        std::ofstream file(output, std::ios::binary);
        file.write(reinterpret_cast<const char *>(png.data()), static_cast<std::streamsize>(png.size()));
        status = file ? 0 : 1;
        if (status != 0) {
            std::cerr << output << ": cannot write the picture\n";
        }
    }
    stopProgram();
    return status;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::cerr << "usage: gorlak_screenshot CONTENT_DIR LEVEL_FILE FRAMES OUT.png\n";
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    try {
        const std::string output = std::filesystem::absolute(argv[4]).string();
        return takeScreenshot(std::filesystem::absolute(argv[1]).string(), argv[2], std::max(0, std::atoi(argv[3])),
                              output);
    } catch (const std::exception &error) {
        std::cerr << argv[1] << ": " << error.what() << '\n';
        return 1;
    }
}
