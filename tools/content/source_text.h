// Reading the generator's text sources: lines with their numbers, words,
// numbers and colours, and errors that name the file and line.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A fault in a source file; what() is "file:line: problem".
class ContentError : public std::runtime_error {
public:
    ContentError(const std::string &file, int line, const std::string &problem);
};

struct SourceLine {
    int number = 0;
    std::string text;                // the line without its comment and end blanks
    std::vector<std::string> words;  // text split at blanks
};

// The lines of a source, comments ("#" to the end of the line) and blank
// lines left out; "#" therefore never serves as a pixel character.
std::vector<SourceLine> splitSource(const std::string &content);

// Whole file as text; throws ContentError when it cannot be read.
std::string readTextFile(const std::string &path);

// Parsing helpers that throw ContentError naming file and line.
class SourceCursor {
public:
    SourceCursor(std::string fileName, const SourceLine &line);
    int integer(std::size_t index) const;
    // Optional integer: fallback when the word is absent.
    int integerOr(std::size_t index, int fallback) const;
    // A decimal number such as "-0.25"; read the same way in every locale.
    double number(std::size_t index) const;
    // "rrggbb" or "rrggbbaa"; without alpha the colour is opaque.
    std::uint32_t colour(std::size_t index) const;
    const std::string &word(std::size_t index) const;
    void expectWords(std::size_t atLeast, const char *usage) const;
    [[noreturn]] void fail(const std::string &problem) const;

private:
    std::string file;
    const SourceLine &line;
};
