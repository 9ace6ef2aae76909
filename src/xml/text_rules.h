// Text rules of the data files: how a text becomes a bool, an integer, a
// float or a string, and how each is written back as text.
#pragma once

#include <cstdint>
#include <string>

// Each parse skips leading white space and reads the longest number at the
// start of the text; what follows it is ignored. On failure (no digits, an
// exponent without digits, or a number out of the type's range) the
// variable keeps its value. A bool is the number 0 or 1. A string takes the
// whole text unchanged.
bool parseText(const std::string &text, bool &variable);
bool parseText(const std::string &text, std::int32_t &variable);
bool parseText(const std::string &text, std::uint32_t &variable);
bool parseText(const std::string &text, float &variable);
bool parseText(const std::string &text, std::string &variable);

// Bools as "1"/"0", integers in decimal, strings as they are. Floats in the
// general notation with six significant digits (0.25 gives "0.25", 30 gives
// "30", 1e-05 stays in exponent form), or nine when six would not read back
// as the same float.
std::string formatText(bool value);
std::string formatText(std::int32_t value);
std::string formatText(std::uint32_t value);
std::string formatText(float value);
std::string formatText(const std::string &value);
