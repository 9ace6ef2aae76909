#include "source_text.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

ContentError::ContentError(const std::string &file, int line, const std::string &problem)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + problem)
{
}

std::vector<SourceLine> splitSource(const std::string &content)
{
    std::vector<SourceLine> lines;
    std::istringstream stream(content);
    std::string text;
    int number = 0;
    while (std::getline(stream, text)) {
        ++number;
        const std::size_t hash = text.find('#');
        if (hash != std::string::npos)
            text.erase(hash);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
            text.pop_back();
        std::size_t start = 0;
        while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
            ++start;
        text.erase(0, start);
        if (text.empty())
            continue;
        SourceLine line;
        line.number = number;
        line.text = text;
        std::istringstream words(text);
        std::string word;
        while (words >> word)
            line.words.push_back(word);
        lines.push_back(line);
    }
    return lines;
}

std::string readTextFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ContentError(path, 0, "cannot be read");
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

SourceCursor::SourceCursor(std::string fileName, const SourceLine &sourceLine)
    : file(std::move(fileName)), line(sourceLine)
{
}

const std::string &SourceCursor::word(std::size_t index) const
{
    if (index >= line.words.size())
        fail("missing value " + std::to_string(index) + " in \"" + line.text + "\"");
    return line.words[index];
}

int SourceCursor::integer(std::size_t index) const
{
    const std::string &text = word(index);
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception &) {
        used = 0;
    }
    if (used != text.size() || text.empty())
        fail("\"" + text + "\" is not a whole number");
    return value;
}

int SourceCursor::integerOr(std::size_t index, int fallback) const
{
    return index < line.words.size() ? integer(index) : fallback;
}

double SourceCursor::number(std::size_t index) const
{
    const std::string &text = word(index);
    double value = 0.0;
    const char *end = text.data() + text.size();
    const std::from_chars_result result = std::from_chars(text.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value))
        fail("\"" + text + "\" is not a number");
    return value;
}

std::uint32_t SourceCursor::colour(std::size_t index) const
{
    const std::string &text = word(index);
    const bool withAlpha = text.size() == 8;
    if (text.size() != 6 && !withAlpha)
        fail("\"" + text + "\" is not a colour (rrggbb or rrggbbaa)");
    std::uint32_t value = 0;
    for (char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            fail("\"" + text + "\" is not a colour (rrggbb or rrggbbaa)");
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    if (withAlpha)
        return (value >> 8) | ((value & 0xFFu) << 24);
    return 0xFF000000u | value;
}

void SourceCursor::expectWords(std::size_t atLeast, const char *usage) const
{
    if (line.words.size() < atLeast)
        fail(std::string("expected: ") + usage);
}

void SourceCursor::fail(const std::string &problem) const
{
    throw ContentError(file, line.number, problem);
}
