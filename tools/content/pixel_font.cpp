#include "pixel_font.h"

#include <array>
#include <cctype>

namespace {

struct Glyph {
    char c;
    std::array<const char *, kGlyphHeight> rows;
};

// "X" marks a lit pixel.
constexpr Glyph kGlyphs[] = {
    {'A', {".X.", "X.X", "XXX", "X.X", "X.X"}}, {'B', {"XX.", "X.X", "XX.", "X.X", "XX."}},
    {'C', {".XX", "X..", "X..", "X..", ".XX"}}, {'D', {"XX.", "X.X", "X.X", "X.X", "XX."}},
    {'E', {"XXX", "X..", "XX.", "X..", "XXX"}}, {'F', {"XXX", "X..", "XX.", "X..", "X.."}},
    {'G', {".XX", "X..", "X.X", "X.X", ".XX"}}, {'H', {"X.X", "X.X", "XXX", "X.X", "X.X"}},
    {'I', {"XXX", ".X.", ".X.", ".X.", "XXX"}}, {'J', {"..X", "..X", "..X", "X.X", ".X."}},
    {'K', {"X.X", "X.X", "XX.", "X.X", "X.X"}}, {'L', {"X..", "X..", "X..", "X..", "XXX"}},
    {'M', {"X.X", "XXX", "XXX", "X.X", "X.X"}}, {'N', {"XX.", "X.X", "X.X", "X.X", "X.X"}},
    {'O', {".X.", "X.X", "X.X", "X.X", ".X."}}, {'P', {"XX.", "X.X", "XX.", "X..", "X.."}},
    {'Q', {".X.", "X.X", "X.X", "XX.", ".XX"}}, {'R', {"XX.", "X.X", "XX.", "X.X", "X.X"}},
    {'S', {".XX", "X..", ".X.", "..X", "XX."}}, {'T', {"XXX", ".X.", ".X.", ".X.", ".X."}},
    {'U', {"X.X", "X.X", "X.X", "X.X", "XXX"}}, {'V', {"X.X", "X.X", "X.X", "X.X", ".X."}},
    {'W', {"X.X", "X.X", "XXX", "XXX", "X.X"}}, {'X', {"X.X", "X.X", ".X.", "X.X", "X.X"}},
    {'Y', {"X.X", "X.X", ".X.", ".X.", ".X."}}, {'Z', {"XXX", "..X", ".X.", "X..", "XXX"}},
    {'0', {".X.", "X.X", "X.X", "X.X", ".X."}}, {'1', {".X.", "XX.", ".X.", ".X.", "XXX"}},
    {'2', {"XX.", "..X", ".X.", "X..", "XXX"}}, {'3', {"XX.", "..X", ".X.", "..X", "XX."}},
    {'4', {"X.X", "X.X", "XXX", "..X", "..X"}}, {'5', {"XXX", "X..", "XX.", "..X", "XX."}},
    {'6', {".XX", "X..", "XX.", "X.X", ".X."}}, {'7', {"XXX", "..X", ".X.", ".X.", ".X."}},
    {'8', {".X.", "X.X", ".X.", "X.X", ".X."}}, {'9', {".X.", "X.X", ".XX", "..X", "XX."}},
    {' ', {"...", "...", "...", "...", "..."}}, {'.', {"...", "...", "...", "...", ".X."}},
    {',', {"...", "...", "...", ".X.", "X.."}}, {':', {"...", ".X.", "...", ".X.", "..."}},
    {'!', {".X.", ".X.", ".X.", "...", ".X."}}, {'?', {"XX.", "..X", ".X.", "...", ".X."}},
    {'-', {"...", "...", "XXX", "...", "..."}}, {'+', {"...", ".X.", "XXX", ".X.", "..."}},
    {'\'', {".X.", ".X.", "...", "...", "..."}}, {'/', {"..X", "..X", ".X.", "X..", "X.."}},
    {'(', {".X.", "X..", "X..", "X..", ".X."}}, {')', {".X.", "..X", "..X", "..X", ".X."}},
    {'<', {"..X", ".X.", "X..", ".X.", "..X"}}, {'>', {"X..", ".X.", "..X", ".X.", "X.."}},
    {'^', {".X.", "X.X", "...", "...", "..."}}, {'=', {"...", "XXX", "...", "XXX", "..."}},
};

constexpr Glyph kMissing = {'?', {"XXX", "X.X", "X.X", "X.X", "XXX"}};

const Glyph &glyphFor(char c)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const Glyph &glyph : kGlyphs)
        if (glyph.c == upper)
            return glyph;
    return kMissing;
}

}  // namespace

bool fontHas(char c)
{
    return &glyphFor(c) != &kMissing;
}

int textWidth(const std::string &text)
{
    if (text.empty())
        return 0;
    return static_cast<int>(text.size()) * kGlyphAdvance - (kGlyphAdvance - kGlyphWidth);
}

void drawText(Picture &picture, const std::string &text, int x, int y, std::uint32_t colour)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph &glyph = glyphFor(text[i]);
        const int left = x + static_cast<int>(i) * kGlyphAdvance;
        for (int row = 0; row < kGlyphHeight; ++row)
            for (int column = 0; column < kGlyphWidth; ++column)
                if (glyph.rows[static_cast<std::size_t>(row)][column] == 'X')
                    picture.set(left + column, y + row, colour);
    }
}
