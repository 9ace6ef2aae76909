#include "sprite_sheet.h"

#include "source_text.h"

#include <algorithm>
#include <map>

namespace {

bool isGridRow(const SourceLine &line, int frameW)
{
    return line.words.size() == 1 && static_cast<int>(line.text.size()) == frameW &&
           line.text != "picture";
}

}  // namespace

Picture mirrored(const Picture &picture)
{
    Picture flipped(picture.w, picture.h);
    for (int y = 0; y < picture.h; ++y)
        for (int x = 0; x < picture.w; ++x)
            flipped.set(picture.w - 1 - x, y, picture.at(x, y));
    return flipped;
}

SpriteSheet layOutSheet(const std::vector<AnimationFrames> &animations, int frameW, int frameH)
{
    std::size_t columns = 1;
    for (const AnimationFrames &animation : animations)
        columns = std::max(columns, animation.frames.size());
    SpriteSheet sheet;
    sheet.picture = Picture(static_cast<int>(columns) * frameW,
                            std::max<int>(1, static_cast<int>(animations.size())) * frameH);
    for (std::size_t row = 0; row < animations.size(); ++row) {
        const AnimationFrames &animation = animations[row];
        AnimationEntry entry{animation.name, animation.loop, animation.frameLength, {}};
        for (std::size_t column = 0; column < animation.frames.size(); ++column) {
            const FrameRect rect{static_cast<int>(column) * frameW, static_cast<int>(row) * frameH, frameW, frameH};
            sheet.picture.paste(animation.frames[column], rect.x, rect.y);
            entry.rects.push_back(rect);
        }
        sheet.animations.push_back(entry);
    }
    return sheet;
}

SpriteSheet readSpriteSheet(const std::string &fileName, const std::string &content)
{
    const std::vector<SourceLine> lines = splitSource(content);
    int frameW = 0;
    int frameH = 0;
    std::map<char, std::uint32_t> palette;
    std::vector<AnimationFrames> animations;
    std::vector<int> declaredAt;  // source line of each animation, for messages
    bool stillPicture = false;
    std::vector<std::string> grid;
    int gridLine = 0;

    auto closeFrame = [&]() {
        if (grid.empty())
            return;
        if (static_cast<int>(grid.size()) != frameH)
            throw ContentError(fileName, gridLine, "frame has " + std::to_string(grid.size()) +
                                                       " rows, expected " + std::to_string(frameH));
        Picture frame(frameW, frameH);
        for (int y = 0; y < frameH; ++y)
            for (int x = 0; x < frameW; ++x) {
                const char c = grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
                const auto found = palette.find(c);
                if (found == palette.end())
                    throw ContentError(fileName, gridLine + y, std::string("no colour for '") + c + "'");
                frame.set(x, y, found->second);
            }
        animations.back().frames.push_back(frame);
        grid.clear();
    };

    for (const SourceLine &line : lines) {
        const SourceCursor cursor(fileName, line);
        if (frameW > 0 && isGridRow(line, frameW) && !animations.empty()) {
            if (grid.empty())
                gridLine = line.number;
            grid.push_back(line.text);
            if (static_cast<int>(grid.size()) == frameH)
                closeFrame();
            continue;
        }
        closeFrame();
        const std::string &keyword = line.words[0];
        if (keyword == "frame") {
            cursor.expectWords(3, "frame W H");
            frameW = cursor.integer(1);
            frameH = cursor.integer(2);
            if (frameW <= 0 || frameH <= 0 || frameW > 256 || frameH > 256)
                cursor.fail("frame size out of range");
        } else if (keyword == "colour") {
            cursor.expectWords(3, "colour C rrggbb|clear");
            if (cursor.word(1).size() != 1)
                cursor.fail("a palette character is a single character");
            palette[cursor.word(1)[0]] = cursor.word(2) == "clear" ? 0u : cursor.colour(2);
        } else if (keyword == "anim") {
            if (frameW <= 0)
                cursor.fail("\"frame W H\" must come before the first animation");
            cursor.expectWords(4, "anim NAME loop|once MS, or anim NAME mirror OTHER");
            AnimationFrames animation;
            animation.name = cursor.word(1);
            for (const AnimationFrames &other : animations)
                if (other.name == animation.name)
                    cursor.fail("animation \"" + animation.name + "\" is defined twice");
            const std::string &mode = cursor.word(2);
            if (mode == "mirror") {
                const auto source = std::find_if(animations.begin(), animations.end(),
                                                 [&](const AnimationFrames &a) { return a.name == cursor.word(3); });
                if (source == animations.end())
                    cursor.fail("no animation \"" + cursor.word(3) + "\" to mirror");
                animation.loop = source->loop;
                animation.frameLength = source->frameLength;
                for (const Picture &frame : source->frames)
                    animation.frames.push_back(mirrored(frame));
            } else if (mode == "loop" || mode == "once") {
                animation.loop = mode == "loop";
                animation.frameLength = cursor.integer(3);
                if (animation.frameLength <= 0)
                    cursor.fail("frame length must be above 0");
            } else {
                cursor.fail("expected loop, once or mirror, found \"" + mode + "\"");
            }
            animations.push_back(animation);
            declaredAt.push_back(line.number);
        } else if (keyword == "picture") {
            if (frameW <= 0)
                cursor.fail("\"frame W H\" must come before the picture");
            stillPicture = true;
            animations.push_back(AnimationFrames{"", false, 30, {}});
            declaredAt.push_back(line.number);
        } else {
            cursor.fail("unknown line \"" + line.text + "\"");
        }
    }
    if (!grid.empty())
        throw ContentError(fileName, gridLine, "frame has " + std::to_string(grid.size()) + " rows, expected " +
                                                   std::to_string(frameH));
    if (animations.empty())
        throw ContentError(fileName, 0, "no animation and no picture");
    for (std::size_t i = 0; i < animations.size(); ++i)
        if (animations[i].frames.empty())
            throw ContentError(fileName, declaredAt[i], "\"" + animations[i].name + "\" has no frames");

    if (stillPicture) {
        if (animations.size() != 1 || animations[0].frames.size() != 1)
            throw ContentError(fileName, 0, "a still picture has exactly one frame and no animations");
        return SpriteSheet{animations[0].frames[0], {}};
    }
    return layOutSheet(animations, frameW, frameH);
}
