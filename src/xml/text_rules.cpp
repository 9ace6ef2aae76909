#include "xml/text_rules.h"

#include <sstream>

namespace {

// Formatted stream extraction with default settings; the variable is only
// assigned when the stream read a number that fits the type.
template <class T>
bool extract(const std::string &text, T &variable)
{
    std::istringstream stream(text);
    T value{};
    stream >> value;
    if (stream.fail()) {
        return false;
    }
    variable = value;
    return true;
}

template <class T>
std::string insert(const T &value)
{
    std::ostringstream stream;
    stream << value;
    return stream.str();
}

}  // namespace

bool parseText(const std::string &text, bool &variable)
{
    std::int32_t number = 0;
    if (!extract(text, number) || (number != 0 && number != 1)) {
        return false;
    }
    variable = number == 1;
    return true;
}

bool parseText(const std::string &text, std::int32_t &variable)
{
    return extract(text, variable);
}

bool parseText(const std::string &text, std::uint32_t &variable)
{
    // Streams accept "-1" for unsigned types by wrapping it round; a data
    // file that says -1 means no valid unsigned number.
    const std::size_t first = text.find_first_not_of(" \t\n\v\f\r");
    if (first != std::string::npos && text[first] == '-') {
        return false;
    }
    return extract(text, variable);
}

bool parseText(const std::string &text, float &variable)
{
    return extract(text, variable);
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
    return insert(value);
}

std::string formatText(std::uint32_t value)
{
    return insert(value);
}

std::string formatText(float value)
{
    // Six significant digits whenever they give the same float back; the
    // few values that need more get nine, so a written record reads back
    // exactly.
    std::string text = insert(value);
    float again = 0.0f;
    if (value == value && (!extract(text, again) || again != value)) {
        std::ostringstream stream;
        stream.precision(9);
        stream << value;
        text = stream.str();
    }
    return text;
}

std::string formatText(const std::string &value)
{
    return value;
}
