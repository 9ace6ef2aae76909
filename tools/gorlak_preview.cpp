// gorlak_preview ART_DIR LEVEL BACKGROUND RRGGBB OUT.png [HINT X Y]...:
// paints a preview of art/levels/LEVEL.txt over art/backgrounds/
// BACKGROUND.txt with the ground in colour RRGGBB and the named hints shown
// with their top-left at (X, Y), for looking at a level while writing it.
#include "content/backdrop_painter.h"
#include "content/hint_painter.h"
#include "content/level_preview.h"
#include "content/png_writer.h"
#include "content/source_text.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    if (argc < 6 || (argc - 6) % 3 != 0) {
        std::cerr << "usage: gorlak_preview ART_DIR LEVEL BACKGROUND RRGGBB OUT.png [HINT X Y]...\n";
        return 2;
    }
    try {
        const std::string art = argv[1];
        auto source = [&](const std::string &folder, const std::string &name) {
            const std::string path = art + "/" + folder + "/" + name + ".txt";
            return std::make_pair(path, readTextFile(path));
        };
        auto sheet = [&](const std::string &name) {
            const auto [path, text] = source("sprites", name);
            return readSpriteSheet(path, text);
        };
        PreviewSprites sprites{sheet("player_avatar"), sheet("zombie_sprite"), sheet("door"),
                               sheet("collectable").picture, sheet("lawnmower").picture};
        const auto [levelPath, levelText] = source("levels", argv[2]);
        const auto [backgroundPath, backgroundText] = source("backgrounds", argv[3]);
        const std::uint32_t ground = static_cast<std::uint32_t>(std::stoul(argv[4], nullptr, 16));
        Picture view = previewLevel(readLevel(levelPath, levelText),
                                          readBackdrop(backgroundPath, backgroundText), ground, sprites);
        if (argc > 6) {
            const auto [hintPath, hintText] = source("hints", "hints");
            const HintSet hints = readHints(hintPath, hintText);
            for (int i = 6; i + 2 < argc; i += 3) {
                const auto hint = std::find_if(hints.hints.begin(), hints.hints.end(),
                                               [&](const HintPicture &h) { return h.name == argv[i]; });
                if (hint == hints.hints.end())
                    throw std::runtime_error(std::string("no hint ") + argv[i]);
                // The full hint is the frame that hint_show plays.
                const FrameRect full = hints.animations[1].rects[0];
                for (int y = 0; y < full.h; ++y)
                    for (int x = 0; x < full.w; ++x) {
                        const std::uint32_t pixel = hint->sheet.at(full.x + x, y);
                        view.blend(std::stoi(argv[i + 1]) + x, std::stoi(argv[i + 2]) + y, pixel,
                                   static_cast<int>(pixel >> 24));
                    }
            }
        }
        const std::vector<std::uint8_t> bytes = encodePng(view);
        std::ofstream out(argv[5], std::ios::binary);
        out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    } catch (const std::exception &error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
