#include "xml/text_rules.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// The white space a number may start with.
constexpr std::string_view kSpaces = " \t\n\v\f\r";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Where the number starts: past the white space, or the end of the text.
std::size_t numberStart(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kSpaces);
    return first == std::string_view::npos ? text.size() : first;
}

// The leading decimal integer: an optional sign and digits, up to the first
// other character. Assigned only when there is a digit and the number lies
// in [low, high].
bool readInteger(std::string_view text, std::int64_t low, std::int64_t high, std::int64_t &variable)
{
    std::size_t at = numberStart(text);
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        ++at;
    }
    const std::size_t firstDigit = at;
    // Beyond 2^40 the number is out of every range here; it stops growing so
    // that a long run of digits cannot overflow.
    constexpr std::int64_t kBeyondRange = std::int64_t{1} << 40;
    std::int64_t magnitude = 0;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        if (magnitude < kBeyondRange) {
            magnitude = magnitude * 10 + (text[at] - '0');
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (at == firstDigit || value < low || value > high) {
        return false;
    }
    variable = value;
    return true;
}

// The leading decimal number: an optional sign, digits with at most one
// decimal point, then an exponent ("e" or "E", an optional sign, digits) if
// a digit came before it. No digit before the exponent, an exponent without
// digits or a number beyond the float's range reads nothing; one too small
// for a float reads as the nearest float (zero or a denormal).
bool readFloat(std::string_view text, float &variable)
{
    const std::size_t start = numberStart(text);
    std::size_t at = start;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        ++at;
    }
    bool digits = false;
    bool point = false;
    for (; at < text.size(); ++at) {
        if (isDigit(text[at])) {
            digits = true;
        } else if (text[at] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) {
        return false;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
            ++at;
        }
        const std::size_t exponentDigits = at;
        while (at < text.size() && isDigit(text[at])) {
            ++at;
        }
        if (at == exponentDigits) {
            return false;
        }
    }
    // Only the number itself goes to strtof, which would otherwise also take
    // "inf", "nan" and hexadecimal forms.
    const std::string number(text.substr(start, at - start));
    const float value = std::strtof(number.c_str(), nullptr);
    if (std::isinf(value)) {
        return false;
    }
    variable = value;
    return true;
}

// The float in the general notation ("%g") with the given significant digits.
std::string formatFloat(float value, int digits)
{
    char text[32] = {};
    std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
    return text;
}

}  // namespace

bool parseText(const std::string &text, bool &variable)
{
    std::int64_t number = 0;
    if (!readInteger(text, 0, 1, number)) {
        return false;
    }
    variable = number == 1;
    return true;
}

bool parseText(const std::string &text, std::int32_t &variable)
{
    std::int64_t number = 0;
    if (!readInteger(text, INT32_MIN, INT32_MAX, number)) {
        return false;
    }
    variable = static_cast<std::int32_t>(number);
    return true;
}

bool parseText(const std::string &text, std::uint32_t &variable)
{
    // A data file that says -1 (or -0) means no valid unsigned number.
    const std::size_t first = numberStart(text);
    std::int64_t number = 0;
    if ((first < text.size() && text[first] == '-') || !readInteger(text, 0, UINT32_MAX, number)) {
        return false;
    }
    variable = static_cast<std::uint32_t>(number);
    return true;
}

bool parseText(const std::string &text, float &variable)
{
    return readFloat(text, variable);
}

bool parseText(const std::string &text, std::string &variable)
{
    variable = text;
    return true;
}

std::string formatText(bool value)
{
    return value ? "1" : "0";
}

std::string formatText(std::int32_t value)
{
    return std::to_string(value);
}

std::string formatText(std::uint32_t value)
{
    return std::to_string(value);
}

std::string formatText(float value)
{
    // Six significant digits whenever they give the same float back; the
    // few values that need more get nine, so a written record reads back
    // exactly.
    std::string text = formatFloat(value, 6);
    float again = 0.0f;
    if (value == value && (!readFloat(text, again) || again != value)) {
        text = formatFloat(value, 9);
    }
    return text;
}

std::string formatText(const std::string &value)
{
    return value;
}
