#include "gfx/scene_render.h"

#include "gfx/surface_ops.h"
#include "gfx/video.h"
#include "world/cell_grid.h"
#include "world/cell_pool.h"

#include <algorithm>
#include <cstring>

std::array<std::uint8_t, kOverlayColumns> columnOverlay{};

namespace {

constexpr std::uint8_t kGroundAlpha = 255;
constexpr std::uint8_t kBloodAlpha = 125;
// A blood cell one or two empty cells after the previous cell is softened,
// together with the gap before it.
constexpr std::uint8_t kOneGapAlpha = 100;
constexpr std::uint8_t kTwoGapAlpha = 80;

// The overlay of columns [first, first + count) of world row y. The result
// equals computing each column three ahead of drawing it: feathering only
// ever reaches back into the gap before a blood cell, never before first.
void computeRowOverlay(CellGrid &grid, const CellKindLookup &kinds, int y, int first, int count,
                       bool featherFlag)
{
    std::uint8_t *overlay = columnOverlay.data();
    // Inside the grid a row of slots is contiguous; elsewhere go through the
    // clamped accessor.
    const bool inside = y >= 0 && y < grid.height() && first + count <= grid.width();
    const std::unique_ptr<Cell> *row = inside ? &grid.rawSlot(0, y) : nullptr;
    int run = 0;  // empty cells since the last cell of the row
    int m = first;
    const int end = first + count;
    while (m < end) {
        // Four columns at a time through open air, ground and the inside of
        // pools, which make up most of a view.
        if (inside && m + 4 <= end) {
            const Cell *c0 = row[m].get();
            const Cell *c1 = row[m + 1].get();
            const Cell *c2 = row[m + 2].get();
            const Cell *c3 = row[m + 3].get();
            std::uint8_t same = 0;
            bool uniform = false;
            if ((c0 == nullptr) & (c1 == nullptr) & (c2 == nullptr) & (c3 == nullptr)) {
                run += 4;
                uniform = true;
            } else if (kinds.isSolid(c0) & kinds.isSolid(c1) & kinds.isSolid(c2) & kinds.isSolid(c3)) {
                same = kGroundAlpha;
                run = 0;
                uniform = true;
            } else if ((kinds.isBlood(c0) & kinds.isBlood(c1) & kinds.isBlood(c2) & kinds.isBlood(c3)) &&
                       (!featherFlag || run == 0 || run > 2)) {
                same = kBloodAlpha;
                run = 0;
                uniform = true;
            }
            if (uniform) {
                std::memset(overlay + m, same, 4);
                m += 4;
                continue;
            }
        }
        const Cell *cell = inside ? row[m].get() : grid.cellAt(m, y);
        overlay[m] = 0;
        if (cell == nullptr) {
            ++run;
        } else {
            const int kind = kinds.kindOf(cell);
            if (kind == Blood) {
                if (featherFlag && run == 1) {
                    overlay[m] = overlay[m - 1] = kOneGapAlpha;
                } else if (featherFlag && run == 2) {
                    overlay[m] = overlay[m - 1] = overlay[m - 2] = kTwoGapAlpha;
                } else {
                    overlay[m] = kBloodAlpha;
                }
                run = 0;
            } else if (kind == Solid) {
                overlay[m] = kGroundAlpha;
                run = 0;
            }
        }
        ++m;
    }
}

// blendColor(pixel, 0xFFFF0000, alpha) for alpha below 255, inlined: red
// moves up toward 255, green and blue down toward 0, both by alpha/256 of
// the distance with the quotient floored; the top byte stays.
inline std::uint32_t tint(std::uint32_t pixel, std::uint32_t alpha)
{
    const std::uint32_t red = (pixel >> 16) & 0xFF;
    const std::uint32_t green = (pixel >> 8) & 0xFF;
    const std::uint32_t blue = pixel & 0xFF;
    const std::uint32_t newRed = red + (((255 - red) * alpha) >> 8);
    // Floor of a negative quotient: d - ceil(d * a / 256).
    const std::uint32_t newGreen = green - ((green * alpha + 255) >> 8);
    const std::uint32_t newBlue = blue - ((blue * alpha + 255) >> 8);
    return (pixel & 0xFF000000u) | (newRed << 16) | (newGreen << 8) | newBlue;
}

inline std::uint32_t overlaid(std::uint32_t pixel, std::uint8_t alpha, std::uint32_t ground)
{
    if (alpha == 0) {
        return pixel;
    }
    if (alpha == kGroundAlpha) {
        return ground != 0 ? ground : pixel;
    }
    return tint(pixel, alpha);
}

// Sub-row 0 of a world row: every world pixel, overlaid, repeated Scale times.
template <int Scale>
void composeRow(const std::uint32_t *source, const std::uint8_t *overlay, int columns, std::uint32_t ground,
                std::uint32_t *target)
{
    int c = 0;
    // Four columns at a time where none of them is overlaid.
    for (; c + 4 <= columns; c += 4) {
        std::uint32_t alphas = 0;
        std::memcpy(&alphas, overlay + c, 4);
        if (alphas == 0) {
            for (int j = 0; j < 4; ++j) {
                const std::uint32_t pixel = source[c + j];
                for (int r = 0; r < Scale; ++r) {
                    target[(c + j) * Scale + r] = pixel;
                }
            }
            continue;
        }
        for (int j = 0; j < 4; ++j) {
            const std::uint32_t pixel = overlaid(source[c + j], overlay[c + j], ground);
            for (int r = 0; r < Scale; ++r) {
                target[(c + j) * Scale + r] = pixel;
            }
        }
    }
    for (; c < columns; ++c) {
        const std::uint32_t pixel = overlaid(source[c], overlay[c], ground);
        for (int r = 0; r < Scale; ++r) {
            target[c * Scale + r] = pixel;
        }
    }
}

void composeRowAnyScale(const std::uint32_t *source, const std::uint8_t *overlay, int columns,
                        std::uint32_t ground, int scale, std::uint32_t *target)
{
    for (int c = 0; c < columns; ++c) {
        const std::uint32_t pixel = overlaid(source[c], overlay[c], ground);
        std::fill_n(target + c * scale, scale, pixel);
    }
}

}  // namespace

void resetSceneRender()
{
    columnOverlay.fill(0);
}

void drawBackground()
{
    if (video.background == nullptr || video.world == nullptr) {
        return;
    }
    SDL_Rect source{static_cast<Sint16>(camera.x), static_cast<Sint16>(camera.y),
                    static_cast<Uint16>(camera.w), static_cast<Uint16>(camera.h)};
    blitSurface(video.background.get(), &source, video.world.get(), nullptr);
}

void render(CellGrid &grid, bool featherFlag)
{
    SDL_Surface *world = video.world.get();
    SDL_Surface *screen = video.screen;
    if (world == nullptr || screen == nullptr || world->format->BytesPerPixel != 4 ||
        screen->format->BytesPerPixel != 4) {
        return;
    }
    const int scale = std::max(pixelSize, 1);
    // Never read or write past either surface or the overlay table.
    const int columns = std::min({camera.w, world->w, screen->w / scale, 256});
    const int rows = std::min({camera.h, world->h, screen->h / scale});
    const int first = std::clamp(camera.x, 0, 256 - std::max(columns, 0));
    // The first three columns of a row are computed whatever the view's width.
    const int computed = std::max(columns, 3);
    const std::uint32_t ground = groundColor;
    const std::size_t screenRowBytes = static_cast<std::size_t>(std::max(columns, 0) * scale) * 4;

    const CellKindLookup kinds;
    for (int i = 0; i < rows; ++i) {
        computeRowOverlay(grid, kinds, camera.y + i, first, computed, featherFlag);
        const auto *source = reinterpret_cast<const std::uint32_t *>(static_cast<const std::uint8_t *>(world->pixels) +
                                                                     i * world->pitch);
        auto *subRow0 = static_cast<std::uint8_t *>(screen->pixels) + static_cast<std::size_t>(i * scale) * screen->pitch;
        auto *target = reinterpret_cast<std::uint32_t *>(subRow0);
        const std::uint8_t *overlay = columnOverlay.data() + first;
        switch (scale) {
        case 1:
            composeRow<1>(source, overlay, columns, ground, target);
            break;
        case 2:
            composeRow<2>(source, overlay, columns, ground, target);
            break;
        case 3:
            composeRow<3>(source, overlay, columns, ground, target);
            break;
        case 4:
            composeRow<4>(source, overlay, columns, ground, target);
            break;
        default:
            composeRowAnyScale(source, overlay, columns, ground, scale, target);
            break;
        }
        // Sub-rows 1 to S - 1 are identical to sub-row 0: copy, do not recompute.
        for (int k = 1; k < scale; ++k) {
            std::memcpy(subRow0 + static_cast<std::size_t>(k) * screen->pitch, subRow0, screenRowBytes);
        }
    }
    // Only the window's own surface can be flipped.
    if (screen == SDL_GetVideoSurface()) {
        showScreen(screen);
    }
}
