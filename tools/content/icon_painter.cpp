#include "icon_painter.h"

#include "source_text.h"

#include <map>

namespace {

// A drawing and where its rows began, for messages.
struct Drawing {
    Picture picture;
    int line = 0;
};

// Makes the icon of the given size from a drawing; the problem, or "" when it can be made.
std::string iconFrom(const Picture &drawing, int size, Picture &icon)
{
    const int n = drawing.w;
    if (size >= n) {
        if (size % n != 0)
            return std::to_string(size) + " is not a whole multiple of " + std::to_string(n);
        icon = enlarged(drawing, size / n);
        return "";
    }
    if ((n - size) % 2 != 0)
        return "the " + std::to_string(n) + " drawing cannot be trimmed evenly to " + std::to_string(size);
    const int margin = (n - size) / 2;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const bool edge = x < margin || y < margin || x >= n - margin || y >= n - margin;
            if (edge && drawing.at(x, y) != 0)
                return "the " + std::to_string(n) + " drawing is not clear where the " + std::to_string(size) +
                       " icon cuts it";
        }
    icon = Picture(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            icon.set(x, y, drawing.at(x + margin, y + margin));
    return "";
}

}  // namespace

Picture enlarged(const Picture &picture, int factor)
{
    Picture result(picture.w * factor, picture.h * factor);
    for (int y = 0; y < result.h; ++y)
        for (int x = 0; x < result.w; ++x)
            result.set(x, y, picture.at(x / factor, y / factor));
    return result;
}

IconSet readIcons(const std::string &fileName, const std::string &content)
{
    IconSet set;
    std::map<char, std::uint32_t> palette;
    std::map<int, Drawing> drawings;
    Drawing *open = nullptr;  // the drawing whose rows are being read
    int rowsRead = 0;
    bool hasWindow = false;

    auto drawingOf = [&](const SourceCursor &cursor, std::size_t index) -> const Picture & {
        const auto found = drawings.find(cursor.integer(index));
        if (found == drawings.end())
            cursor.fail("no drawing of " + cursor.word(index) + " pixels above this line");
        return found->second.picture;
    };

    for (const SourceLine &line : splitSource(content)) {
        const SourceCursor cursor(fileName, line);
        if (open != nullptr) {
            const int n = open->picture.w;
            if (line.words.size() != 1 || static_cast<int>(line.text.size()) != n)
                cursor.fail("row " + std::to_string(rowsRead + 1) + " of the " + std::to_string(n) +
                            " drawing must have " + std::to_string(n) + " pixels");
            for (int x = 0; x < n; ++x) {
                const auto colour = palette.find(line.text[static_cast<std::size_t>(x)]);
                if (colour == palette.end())
                    cursor.fail(std::string("no colour for '") + line.text[static_cast<std::size_t>(x)] + "'");
                open->picture.set(x, rowsRead, colour->second);
            }
            if (++rowsRead == n)
                open = nullptr;
            continue;
        }
        const std::string &keyword = line.words[0];
        if (keyword == "colour") {
            cursor.expectWords(3, "colour C rrggbb|clear");
            if (cursor.word(1).size() != 1)
                cursor.fail("a palette character is a single character");
            palette[cursor.word(1)[0]] = cursor.word(2) == "clear" ? 0u : cursor.colour(2);
        } else if (keyword == "drawing") {
            cursor.expectWords(2, "drawing N");
            const int n = cursor.integer(1);
            if (n < 8 || n > 256)
                cursor.fail("drawing size out of range");
            if (drawings.count(n) != 0)
                cursor.fail("a drawing of " + std::to_string(n) + " pixels is already there");
            open = &drawings[n];
            *open = Drawing{Picture(n, n), line.number};
            rowsRead = 0;
        } else if (keyword == "icon") {
            cursor.expectWords(3, "icon SIZE N");
            const int size = cursor.integer(1);
            if (size < 8 || size > 512)
                cursor.fail("icon size out of range");
            for (const IconPicture &icon : set.icons)
                if (icon.size == size)
                    cursor.fail("the " + std::to_string(size) + " icon is made twice");
            IconPicture icon{size, {}};
            const std::string problem = iconFrom(drawingOf(cursor, 2), size, icon.picture);
            if (!problem.empty())
                cursor.fail(problem);
            set.icons.push_back(icon);
        } else if (keyword == "window") {
            cursor.expectWords(2, "window N");
            set.window = drawingOf(cursor, 1);
            hasWindow = true;
        } else {
            cursor.fail("unknown line \"" + line.text + "\"");
        }
    }
    for (const auto &[n, drawing] : drawings)
        if (&drawing == open)
            throw ContentError(fileName, drawing.line, "the " + std::to_string(n) + " drawing has " +
                                                           std::to_string(rowsRead) + " rows, expected " +
                                                           std::to_string(n));
    if (set.icons.empty() || !hasWindow)
        throw ContentError(fileName, 0, "an icon source makes at least one icon and the window icon");
    return set;
}
