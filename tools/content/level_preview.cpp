#include "level_preview.h"

#include <string>

namespace {

// Draws one frame of a sheet's animation over the picture, clear pixels
// skipped and partly clear ones blended.
void drawFrame(Picture &target, const SpriteSheet &sheet, const std::string &animation, int x, int y)
{
    for (const AnimationEntry &entry : sheet.animations) {
        if (entry.name != animation || entry.rects.empty())
            continue;
        const FrameRect &rect = entry.rects[0];
        for (int row = 0; row < rect.h; ++row)
            for (int column = 0; column < rect.w; ++column) {
                const std::uint32_t pixel = sheet.picture.at(rect.x + column, rect.y + row);
                target.blend(x + column, y + row, pixel, static_cast<int>(pixel >> 24));
            }
        return;
    }
}

void drawWhole(Picture &target, const Picture &picture, int x, int y)
{
    for (int row = 0; row < picture.h; ++row)
        for (int column = 0; column < picture.w; ++column) {
            const std::uint32_t pixel = picture.at(column, row);
            target.blend(x + column, y + row, pixel, static_cast<int>(pixel >> 24));
        }
}

}  // namespace

Picture previewLevel(const LevelLayout &level, const Picture &background, std::uint32_t groundColour,
                     const PreviewSprites &sprites)
{
    Picture view = background;
    const Picture &cells = level.picture;
    auto solid = [&](int x, int y) { return cells.at(x, y) == kLevelGround; };

    for (const LevelPoint &door : level.doors)
        drawFrame(view, sprites.door, "door_closed", door.x, door.y);
    for (const LevelPoint &gem : level.collectables)
        drawWhole(view, sprites.collectable, gem.x - (sprites.collectable.w + 1) / 2,
                  gem.y - (sprites.collectable.h + 1) / 2);
    for (const LevelPoint &start : level.starts) {
        const int x = start.x;
        int y = start.y - 13;
        while (y + 13 < 255 && !solid(x, y + 13) && !solid(x + 3, y + 13))
            ++y;
        drawFrame(view, sprites.player, "p_stand_right", x, y);
        drawWhole(view, sprites.lawnmower, x + 8 - 5, y + 6 - 4);
    }
    for (const LevelPoint &zombie : level.zombies) {
        int q = zombie.y;
        while (q < 255 && !solid(zombie.x, q + 1))
            ++q;
        drawFrame(view, sprites.zombie, "z_walk_left", zombie.x, q - 11);
    }
    for (int y = 0; y < cells.h; ++y)
        for (int x = 0; x < cells.w; ++x) {
            const std::uint32_t cell = cells.at(x, y);
            if (cell == kLevelGround)
                view.set(x, y, 0xFF000000u | groundColour);
            else if (cell == kLevelBlood)
                view.blend(x, y, 0xFFFF0000u, 125);
        }
    return view;
}
