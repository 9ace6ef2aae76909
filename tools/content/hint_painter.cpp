#include "hint_painter.h"

#include "pixel_font.h"
#include "source_text.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kPanel = 0xB4140E12u;   // dark, partly see-through
constexpr std::uint32_t kBorder = 0xFF5A3A2Eu;  // dried-blood brown
constexpr std::uint32_t kInk = 0xFFF2E6C4u;     // bone white
constexpr std::uint32_t kKeyInk = 0xFFFF7A5Au;  // keys and buttons stand out
constexpr std::uint32_t kOutline = 0xFF140E12u;  // the panel's colour, solid
constexpr std::uint32_t kShadow = 0x90000000u;
constexpr int kFadeFrames = 3;
constexpr int kFrameCount = kFadeFrames + 2;  // fading in, full, empty

// The full hint: panel, border, and the lines centred. Words in square
// brackets are keys and drawn in the key colour without the brackets.
Picture paintHint(const std::vector<std::string> &lines, int w, int h)
{
    Picture frame(w, h);
    frame.fillRect(1, 1, w - 2, h - 2, kPanel);
    for (int x = 1; x < w - 1; ++x) {
        frame.set(x, 0, kBorder);
        frame.set(x, h - 1, kBorder);
    }
    for (int y = 1; y < h - 1; ++y) {
        frame.set(0, y, kBorder);
        frame.set(w - 1, y, kBorder);
    }
    const int lineStep = kGlyphHeight + 2;
    const int blockHeight = static_cast<int>(lines.size()) * lineStep - 2;
    int y = (h - blockHeight) / 2;
    for (const std::string &line : lines) {
        std::string plain;
        std::vector<bool> key;
        bool inKey = false;
        for (char c : line) {
            if (c == '[' || c == ']') {
                inKey = c == '[';
                continue;
            }
            plain.push_back(c);
            key.push_back(inKey);
        }
        int x = (w - textWidth(plain)) / 2;
        for (std::size_t i = 0; i < plain.size(); ++i) {
            drawText(frame, std::string(1, plain[i]), x, y, key[i] ? kKeyInk : kInk);
            x += kGlyphAdvance;
        }
        y += lineStep;
    }
    return frame;
}

// One line of text enlarged, ringed by a one-pixel outline with a shadow
// below and to the right, so it reads over any part of the game's view.
Picture paintBanner(const std::string &text, int scale)
{
    Picture small(textWidth(text), kGlyphHeight);
    drawText(small, text, 0, 0, kInk);
    Picture banner(small.w * scale + 3, small.h * scale + 3);
    for (int y = 0; y < small.h * scale; ++y)
        for (int x = 0; x < small.w * scale; ++x)
            banner.set(x + 1, y + 1, small.at(x / scale, y / scale));
    const Picture letters = banner;
    const auto inkNear = [&letters](int x, int y, int reach) {
        for (int dy = -reach; dy <= 0; ++dy)
            for (int dx = -reach; dx <= 0; ++dx)
                if (letters.at(x + dx, y + dy) == kInk)
                    return true;
        return false;
    };
    for (int y = 0; y < banner.h; ++y)
        for (int x = 0; x < banner.w; ++x) {
            if (letters.at(x, y) != 0)
                continue;
            bool ringed = false;
            for (int dy = -1; dy <= 1 && !ringed; ++dy)
                for (int dx = -1; dx <= 1 && !ringed; ++dx)
                    ringed = letters.at(x + dx, y + dy) == kInk;
            if (ringed)
                banner.set(x, y, kOutline);
            else if (inkNear(x, y, 2))
                banner.set(x, y, kShadow);
        }
    return banner;
}

Picture faded(const Picture &picture, float amount)
{
    Picture result = picture;
    for (std::uint32_t &pixel : result.pixels) {
        const auto alpha = static_cast<std::uint32_t>(static_cast<float>(pixel >> 24) * amount);
        pixel = (pixel & 0x00FFFFFFu) | (alpha << 24);
    }
    return result;
}

std::vector<AnimationEntry> sharedAnimations(int w, int h)
{
    auto rect = [w, h](int frame) { return FrameRect{frame * w, 0, w, h}; };
    const int full = kFadeFrames;
    const int empty = kFadeFrames + 1;
    std::vector<AnimationEntry> animations;
    AnimationEntry appear{"hint_appear", false, 90, {}};
    for (int frame = 0; frame <= full; ++frame)
        appear.rects.push_back(rect(frame));
    animations.push_back(appear);
    animations.push_back(AnimationEntry{"hint_show", false, 1000, {rect(full)}});
    animations.push_back(AnimationEntry{"hint_blink", true, 450, {rect(full), rect(empty)}});
    AnimationEntry fade{"hint_fade", false, 90, {}};
    for (int frame = full; frame >= 0; --frame)
        fade.rects.push_back(rect(frame));
    fade.rects.push_back(rect(empty));
    animations.push_back(fade);
    animations.push_back(AnimationEntry{"hint_hide", false, 1000, {rect(empty)}});
    return animations;
}

}  // namespace

HintSet readHints(const std::string &fileName, const std::string &content)
{
    HintSet set;
    int w = 0;
    int h = 0;
    for (const SourceLine &line : splitSource(content)) {
        const SourceCursor cursor(fileName, line);
        if (line.words[0] == "size") {
            cursor.expectWords(3, "size W H");
            w = cursor.integer(1);
            h = cursor.integer(2);
            if (w < 8 || h < kGlyphHeight + 2 || w > 256 || h > 128)
                cursor.fail("hint size out of range");
            continue;
        }
        if (line.words[0] == "banner") {
            cursor.expectWords(4, "banner NAME SCALE TEXT");
            const int scale = cursor.integer(2);
            if (scale < 1 || scale > 8)
                cursor.fail("banner scale out of range");
            std::string text = cursor.word(3);
            for (std::size_t word = 4; word < line.words.size(); ++word)
                text += " " + line.words[word];
            for (char c : text)
                if (!fontHas(c))
                    cursor.fail(std::string("the font has no '") + c + "'");
            if (textWidth(text) * scale + 3 > 256)
                cursor.fail("\"" + text + "\" is wider than the game's view");
            set.banners.push_back(HintPicture{cursor.word(1), paintBanner(text, scale)});
            continue;
        }
        if (line.words[0] != "hint")
            cursor.fail("unknown line \"" + line.text + "\"");
        if (w == 0)
            cursor.fail("\"size W H\" must come before the first hint");
        cursor.expectWords(3, "hint NAME TEXT | TEXT");
        const std::string &name = cursor.word(1);
        // The text starts after the keyword and the name, not at the first
        // place the name happens to appear.
        const std::size_t nameStart = line.text.find_first_not_of(" \t", line.text.find_first_of(" \t"));
        const std::size_t textStart = nameStart + name.size();
        std::vector<std::string> lines;
        std::string rest = line.text.substr(textStart);
        std::size_t bar = 0;
        while ((bar = rest.find('|')) != std::string::npos) {
            lines.push_back(rest.substr(0, bar));
            rest.erase(0, bar + 1);
        }
        lines.push_back(rest);
        for (std::string &text : lines) {
            text.erase(0, text.find_first_not_of(' '));
            text.erase(text.find_last_not_of(' ') + 1);
            std::string plain;
            for (char c : text)
                if (c != '[' && c != ']') {
                    if (!fontHas(c))
                        cursor.fail(std::string("the font has no '") + c + "'");
                    plain.push_back(c);
                }
            if (textWidth(plain) > w - 4)
                cursor.fail("\"" + plain + "\" is wider than the hint");
        }
        if (static_cast<int>(lines.size()) * (kGlyphHeight + 2) > h)
            cursor.fail("too many lines for the hint height");
        const Picture full = paintHint(lines, w, h);
        Picture sheet(w * kFrameCount, h);
        for (int frame = 0; frame < kFadeFrames; ++frame)
            sheet.paste(faded(full, static_cast<float>(frame + 1) / static_cast<float>(kFadeFrames + 1)), frame * w, 0);
        sheet.paste(full, kFadeFrames * w, 0);
        set.hints.push_back(HintPicture{name, sheet});
    }
    if (set.hints.empty())
        throw ContentError(fileName, 0, "no hints");
    set.animations = sharedAnimations(w, h);
    return set;
}
