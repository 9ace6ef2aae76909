// XmlValue: one typed value (string, bool, int or float) of an element's
// attribute, with conversions between the types through the text rules.
#pragma once

#include <cstdint>
#include <string>
#include <typeinfo>
#include <variant>

// A plain value: every object holds its own copy, so copies are independent
// of their source and of each other.
class XmlValue {
public:
    XmlValue() = default;
    XmlValue(const std::string &value);
    XmlValue(const char *value);
    XmlValue(bool value);
    XmlValue(std::int32_t value);
    XmlValue(float value);

    // typeid of the held value's type; typeid(void) for the empty value.
    const std::type_info &heldType() const;
    bool isEmpty() const;

    // The held value as text by the format rules; empty for the empty value.
    std::string toString() const;
    std::string asString() const;

    // The held value when it has the asked type, else the text parsed as that
    // type; `fallback` when the text does not parse.
    bool asBool(bool fallback) const;
    std::int32_t asInt(std::int32_t fallback) const;
    float asFloat(float fallback) const;

    bool operator==(const XmlValue &) const = default;

private:
    std::variant<std::monostate, std::string, bool, std::int32_t, float> held;
};
