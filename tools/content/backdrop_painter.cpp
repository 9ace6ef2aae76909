#include "backdrop_painter.h"

#include "source_text.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWorld = 256;

std::uint32_t shade(std::uint32_t colour, float amount)
{
    return amount >= 0.0f ? mixColour(colour, 0xFFFFFFFFu, amount) : mixColour(colour, 0xFF000000u, -amount);
}

std::uint32_t jitter(std::uint32_t colour, SeededRandom &random, int spread)
{
    const float amount = static_cast<float>(random.between(-spread, spread)) / 100.0f;
    return shade(colour, amount);
}

void paintBricks(Picture &p, int x, int y, int w, int h, int bw, int bh, std::uint32_t brick,
                 std::uint32_t mortar, SeededRandom &random)
{
    p.fillRect(x, y, w, h, mortar);
    for (int row = 0; row * bh < h; ++row) {
        const int offset = (row % 2) * (bw / 2);
        for (int column = -1; column * bw < w; ++column) {
            const std::uint32_t colour = jitter(brick, random, 8);
            const int left = std::max(x, x + column * bw + offset);
            const int right = std::min(x + w, x + column * bw + offset + bw - 1);
            const int top = y + row * bh;
            const int bottom = std::min(y + h, top + bh - 1);
            for (int py = top; py < bottom; ++py)
                for (int px = left; px < right; ++px)
                    p.set(px, py, py == top ? shade(colour, 0.08f) : colour);
        }
    }
}

void paintStones(Picture &p, int x, int y, int w, int h, int size, std::uint32_t stone, std::uint32_t mortar,
                 SeededRandom &random)
{
    p.fillRect(x, y, w, h, mortar);
    int top = y;
    while (top < y + h) {
        const int rowHeight = std::max(2, size + random.between(-size / 3, size / 3));
        int left = x - random.below(size);
        while (left < x + w) {
            const int width = std::max(3, size + random.between(-size / 2, size));
            const std::uint32_t colour = jitter(stone, random, 10);
            for (int py = top; py < std::min(top + rowHeight - 1, y + h); ++py)
                for (int px = std::max(left, x); px < std::min(left + width - 1, x + w); ++px) {
                    const bool corner = (py == top || py == top + rowHeight - 2) &&
                                        (px == left || px == left + width - 2);
                    if (!corner)
                        p.set(px, py, py == top ? shade(colour, 0.1f) : colour);
                }
            left += width;
        }
        top += rowHeight;
    }
}

void paintPillar(Picture &p, int x, int y, int w, int h, std::uint32_t colour)
{
    for (int py = y; py < y + h; ++py)
        for (int px = x; px < x + w; ++px) {
            const float across = w > 1 ? static_cast<float>(px - x) / static_cast<float>(w - 1) : 0.5f;
            // Lit from the left: bright edge, soft middle, dark right side.
            float amount = 0.0f;
            if (px == x)
                amount = 0.18f;
            else if (across < 0.35f)
                amount = 0.08f;
            else if (across > 0.8f)
                amount = -0.3f;
            else if (across > 0.6f)
                amount = -0.12f;
            p.set(px, py, shade(colour, amount));
        }
    // Capital and base, a little wider than the shaft.
    p.fillRect(x - 2, y, w + 4, 3, shade(colour, 0.05f));
    p.fillRect(x - 2, y + 3, w + 4, 1, shade(colour, -0.35f));
    p.fillRect(x - 2, y + h - 3, w + 4, 3, shade(colour, -0.05f));
    p.fillRect(x - 2, y + h - 4, w + 4, 1, shade(colour, 0.12f));
}

void paintArch(Picture &p, int x, int y, int w, int h, std::uint32_t colour)
{
    const float radius = static_cast<float>(w) / 2.0f;
    const float cx = static_cast<float>(x) + radius - 0.5f;
    const float cy = static_cast<float>(y) + radius;
    for (int py = y; py < y + h; ++py)
        for (int px = x; px < x + w; ++px) {
            const float dx = static_cast<float>(px) - cx;
            const float dy = static_cast<float>(py) - cy;
            if (static_cast<float>(py) < cy && dx * dx + dy * dy > radius * radius)
                continue;
            // Deeper at the top, as if lit from the floor.
            const float depth = static_cast<float>(py - y) / static_cast<float>(std::max(1, h));
            p.set(px, py, shade(colour, -0.25f + depth * 0.25f));
        }
}

void paintHills(Picture &p, int base, int amplitude, std::uint32_t colour, SeededRandom &random)
{
    const float phaseA = static_cast<float>(random.below(628)) / 100.0f;
    const float phaseB = static_cast<float>(random.below(628)) / 100.0f;
    const float waveA = 0.02f + static_cast<float>(random.below(20)) / 1000.0f;
    const float waveB = 0.06f + static_cast<float>(random.below(40)) / 1000.0f;
    for (int x = 0; x < p.w; ++x) {
        const float fx = static_cast<float>(x);
        const float height = static_cast<float>(amplitude) *
                             (0.65f * std::sin(fx * waveA + phaseA) + 0.35f * std::sin(fx * waveB + phaseB));
        const int top = base - static_cast<int>(std::lround(height));
        for (int y = std::max(0, top); y < p.h; ++y)
            p.set(x, y, y == top ? shade(colour, 0.12f) : colour);
    }
}

}  // namespace

Picture readBackdrop(const std::string &fileName, const std::string &content)
{
    Picture p(kWorld, kWorld, 0xFF000000u);
    for (const SourceLine &line : splitSource(content)) {
        const SourceCursor c(fileName, line);
        const std::string &keyword = line.words[0];
        if (keyword == "fill") {
            c.expectWords(2, "fill C");
            p.fillRect(0, 0, p.w, p.h, c.colour(1));
        } else if (keyword == "gradient") {
            c.expectWords(7, "gradient X Y W H TOP BOTTOM [BANDS]");
            const int y = c.integer(2);
            const int h = std::max(1, c.integer(4));
            const int bands = std::max(1, c.integerOr(7, h));
            for (int row = 0; row < h; ++row) {
                const int band = row * bands / h;
                const float t = bands > 1 ? static_cast<float>(band) / static_cast<float>(bands - 1) : 0.0f;
                p.fillRect(c.integer(1), y + row, c.integer(3), 1, mixColour(c.colour(5), c.colour(6), t));
            }
        } else if (keyword == "rect") {
            c.expectWords(6, "rect X Y W H C [ALPHA]");
            const int alpha = c.integerOr(6, 255);
            for (int y = c.integer(2); y < c.integer(2) + c.integer(4); ++y)
                for (int x = c.integer(1); x < c.integer(1) + c.integer(3); ++x)
                    p.blend(x, y, c.colour(5), alpha);
        } else if (keyword == "bricks") {
            c.expectWords(10, "bricks X Y W H BW BH BRICK MORTAR SEED");
            SeededRandom random(static_cast<std::uint32_t>(c.integer(9)));
            paintBricks(p, c.integer(1), c.integer(2), c.integer(3), c.integer(4), std::max(2, c.integer(5)),
                        std::max(2, c.integer(6)), c.colour(7), c.colour(8), random);
        } else if (keyword == "stones") {
            c.expectWords(9, "stones X Y W H SIZE STONE MORTAR SEED");
            SeededRandom random(static_cast<std::uint32_t>(c.integer(8)));
            paintStones(p, c.integer(1), c.integer(2), c.integer(3), c.integer(4), std::max(3, c.integer(5)),
                        c.colour(6), c.colour(7), random);
        } else if (keyword == "pillar") {
            c.expectWords(6, "pillar X Y W H C");
            paintPillar(p, c.integer(1), c.integer(2), c.integer(3), c.integer(4), c.colour(5));
        } else if (keyword == "arch") {
            c.expectWords(6, "arch X Y W H C");
            paintArch(p, c.integer(1), c.integer(2), c.integer(3), c.integer(4), c.colour(5));
        } else if (keyword == "hills") {
            c.expectWords(5, "hills BASE AMPLITUDE C SEED");
            SeededRandom random(static_cast<std::uint32_t>(c.integer(4)));
            paintHills(p, c.integer(1), c.integer(2), c.colour(3), random);
        } else if (keyword == "disc") {
            c.expectWords(5, "disc CX CY R C [ALPHA]");
            const int cx = c.integer(1);
            const int cy = c.integer(2);
            const int r = c.integer(3);
            const int alpha = c.integerOr(5, 255);
            for (int y = cy - r; y <= cy + r; ++y)
                for (int x = cx - r; x <= cx + r; ++x)
                    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r)
                        p.blend(x, y, c.colour(4), alpha);
        } else if (keyword == "chain") {
            c.expectWords(5, "chain X Y LENGTH C");
            const int x = c.integer(1);
            for (int i = 0; i < c.integer(3); ++i) {
                const int y = c.integer(2) + i;
                if (i % 3 == 1) {
                    p.set(x - 1, y, c.colour(4));
                    p.set(x + 1, y, c.colour(4));
                } else {
                    p.set(x, y, i % 3 == 0 ? shade(c.colour(4), 0.15f) : c.colour(4));
                }
            }
        } else if (keyword == "speckle") {
            c.expectWords(8, "speckle X Y W H C AMOUNT SEED");
            SeededRandom random(static_cast<std::uint32_t>(c.integer(7)));
            for (int y = c.integer(2); y < c.integer(2) + c.integer(4); ++y)
                for (int x = c.integer(1); x < c.integer(1) + c.integer(3); ++x)
                    if (random.below(1000) < c.integer(6))
                        p.blend(x, y, c.colour(5), 160);
        } else if (keyword == "tint") {
            c.expectWords(3, "tint C ALPHA");
            for (int y = 0; y < p.h; ++y)
                for (int x = 0; x < p.w; ++x)
                    p.blend(x, y, c.colour(1), c.integer(2));
        } else if (keyword == "vignette") {
            c.expectWords(2, "vignette ALPHA");
            const float strength = static_cast<float>(c.integer(1));
            for (int y = 0; y < p.h; ++y)
                for (int x = 0; x < p.w; ++x) {
                    const float dx = (static_cast<float>(x) - 127.5f) / 128.0f;
                    const float dy = (static_cast<float>(y) - 127.5f) / 128.0f;
                    const float edge = std::clamp((dx * dx + dy * dy) - 0.35f, 0.0f, 1.0f);
                    p.blend(x, y, 0xFF000000u, static_cast<int>(edge * strength));
                }
        } else {
            c.fail("unknown line \"" + line.text + "\"");
        }
    }
    return p;
}
