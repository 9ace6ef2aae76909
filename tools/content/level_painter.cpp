#include "level_painter.h"

#include "pixel_font.h"
#include "source_text.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kWorld = 256;
constexpr int kDoorW = 13;
constexpr int kDoorH = 21;
constexpr int kBodyW = 4;
constexpr int kBodyH = 13;

void paintLine(Picture &picture, int x1, int y1, int x2, int y2, int thickness, std::uint32_t colour)
{
    const int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
    for (int i = 0; i <= steps; ++i) {
        const float t = steps == 0 ? 0.0f : static_cast<float>(i) / static_cast<float>(steps);
        const int x = static_cast<int>(std::lround(static_cast<float>(x1) + static_cast<float>(x2 - x1) * t));
        const int y = static_cast<int>(std::lround(static_cast<float>(y1) + static_cast<float>(y2 - y1) * t));
        for (int k = 0; k < thickness; ++k)
            picture.set(x, y + k, colour);
    }
}

void paintText(Picture &picture, const std::string &text, int x, int y, int scale, std::uint32_t colour)
{
    Picture small(textWidth(text), kGlyphHeight);
    drawText(small, text, 0, 0, 0xFFFFFFFFu);
    for (int row = 0; row < small.h; ++row)
        for (int column = 0; column < small.w; ++column)
            if (small.at(column, row) != 0)
                picture.fillRect(x + column * scale, y + row * scale, scale, scale, colour);
}

bool anyGround(const Picture &picture, int x, int y, int w, int h)
{
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column)
            if (picture.at(column, row) == kLevelGround)
                return true;
    return false;
}

struct Marker {
    std::uint32_t colour = 0;
    LevelPoint point;
    int line = 0;
};

}  // namespace

LevelLayout readLevel(const std::string &fileName, const std::string &content)
{
    LevelLayout layout;
    layout.picture = Picture(kWorld, kWorld, kLevelEmpty);
    std::vector<Marker> markers;
    int lastLine = 0;

    for (const SourceLine &line : splitSource(content)) {
        const SourceCursor cursor(fileName, line);
        const std::string &keyword = line.words[0];
        lastLine = line.number;
        if (keyword == "outro") {
            layout.outro = true;
            continue;
        }
        if (keyword == "pool") {
            cursor.expectWords(5, "pool X Y W H");
            const LevelArea area{cursor.integer(1), cursor.integer(2), cursor.integer(3), cursor.integer(4)};
            if (area.w < 1 || area.h < 1 || area.x < 0 || area.y < 0 || area.x + area.w > kWorld ||
                area.y + area.h > kWorld)
                cursor.fail("pool outside the 256 x 256 world");
            layout.pools.push_back(area);
            continue;
        }
        if (keyword == "start" || keyword == "door" || keyword == "zombie" || keyword == "collect") {
            cursor.expectWords(3, "MARKER X Y");
            const LevelPoint point{cursor.integer(1), cursor.integer(2)};
            if (point.x < 0 || point.y < 0 || point.x >= kWorld || point.y >= kWorld)
                cursor.fail("marker outside the 256 x 256 world");
            std::uint32_t colour = kLevelCollectable;
            if (keyword == "start") {
                colour = kLevelStart;
                layout.starts.push_back(point);
            } else if (keyword == "door") {
                colour = kLevelDoor;
                layout.doors.push_back(point);
            } else if (keyword == "zombie") {
                colour = kLevelZombie;
                layout.zombies.push_back(point);
            } else {
                layout.collectables.push_back(point);
            }
            markers.push_back(Marker{colour, point, line.number});
            continue;
        }

        std::uint32_t colour = 0;
        if (keyword == "ground")
            colour = kLevelGround;
        else if (keyword == "blood")
            colour = kLevelBlood;
        else if (keyword == "empty")
            colour = kLevelEmpty;
        else
            cursor.fail("unknown line \"" + line.text + "\"");
        cursor.expectWords(2, "MATERIAL SHAPE ...");
        const std::string &shape = cursor.word(1);
        if (shape == "rect") {
            cursor.expectWords(6, "MATERIAL rect X Y W H");
            layout.picture.fillRect(cursor.integer(2), cursor.integer(3), cursor.integer(4), cursor.integer(5), colour);
        } else if (shape == "line") {
            cursor.expectWords(6, "MATERIAL line X1 Y1 X2 Y2 [T]");
            paintLine(layout.picture, cursor.integer(2), cursor.integer(3), cursor.integer(4), cursor.integer(5),
                      cursor.integerOr(6, 1), colour);
        } else if (shape == "disc") {
            cursor.expectWords(5, "MATERIAL disc CX CY R");
            const int cx = cursor.integer(2);
            const int cy = cursor.integer(3);
            const int r = cursor.integer(4);
            for (int y = cy - r; y <= cy + r; ++y)
                for (int x = cx - r; x <= cx + r; ++x)
                    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r)
                        layout.picture.set(x, y, colour);
        } else if (shape == "text") {
            cursor.expectWords(6, "MATERIAL text X Y SCALE WORDS");
            std::string text = cursor.word(5);
            for (std::size_t i = 6; i < line.words.size(); ++i)
                text += " " + line.words[i];
            for (char c : text)
                if (!fontHas(c))
                    cursor.fail(std::string("the font has no '") + c + "'");
            paintText(layout.picture, text, cursor.integer(2), cursor.integer(3), cursor.integer(4), colour);
        } else {
            cursor.fail("unknown shape \"" + shape + "\"");
        }
    }

    for (const Marker &marker : markers)
        layout.picture.set(marker.point.x, marker.point.y, marker.colour);

    auto fail = [&](int line, const std::string &problem) { throw ContentError(fileName, line, problem); };
    for (const Marker &marker : markers) {
        const LevelPoint p = marker.point;
        if (marker.colour == kLevelStart && anyGround(layout.picture, p.x, p.y - kBodyH, kBodyW, kBodyH))
            fail(marker.line, "the player's body at the start overlaps ground");
        if (marker.colour == kLevelDoor) {
            if (p.x + kDoorW > kWorld || p.y + kDoorH > kWorld)
                fail(marker.line, "the door reaches outside the world");
            if (anyGround(layout.picture, p.x, p.y, kDoorW, kDoorH))
                fail(marker.line, "ground inside the door");
        }
        if (marker.colour == kLevelZombie) {
            int row = p.y + 1;
            while (row < kWorld && layout.picture.at(p.x, row) != kLevelGround)
                ++row;
            if (row >= kWorld)
                fail(marker.line, "no ground below the zombie");
        }
        if (marker.colour == kLevelCollectable && anyGround(layout.picture, p.x - 1, p.y - 1, 3, 3))
            fail(marker.line, "collectable buried in ground");
    }
    if (!layout.outro) {
        if (layout.starts.size() != 1)
            fail(lastLine, "a level needs exactly one start, found " + std::to_string(layout.starts.size()));
        if (layout.doors.size() != 1)
            fail(lastLine, "a level needs exactly one door, found " + std::to_string(layout.doors.size()));
    }
    return layout;
}
