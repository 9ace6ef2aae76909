#include "xml/xml_value.h"

#include "xml/text_rules.h"

XmlValue::XmlValue(const std::string &value) : held(value) {}

XmlValue::XmlValue(const char *value) : held(std::string(value == nullptr ? "" : value)) {}

XmlValue::XmlValue(bool value) : held(value) {}

XmlValue::XmlValue(std::int32_t value) : held(value) {}

XmlValue::XmlValue(float value) : held(value) {}

const std::type_info &XmlValue::heldType() const
{
    return std::visit(
        [](const auto &value) -> const std::type_info & {
            using Held = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Held, std::monostate>) {
                return typeid(void);
            } else {
                return typeid(Held);
            }
        },
        held);
}

bool XmlValue::isEmpty() const
{
    return std::holds_alternative<std::monostate>(held);
}

std::string XmlValue::toString() const
{
    return std::visit(
        [](const auto &value) -> std::string {
            using Held = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Held, std::monostate>) {
                return {};
            } else {
                return formatText(value);
            }
        },
        held);
}

std::string XmlValue::asString() const
{
    return toString();
}

bool XmlValue::asBool(bool fallback) const
{
    if (const bool *value = std::get_if<bool>(&held)) {
        return *value;
    }
    bool result = fallback;
    parseText(toString(), result);
    return result;
}

std::int32_t XmlValue::asInt(std::int32_t fallback) const
{
    if (const std::int32_t *value = std::get_if<std::int32_t>(&held)) {
        return *value;
    }
    std::int32_t result = fallback;
    parseText(toString(), result);
    return result;
}

float XmlValue::asFloat(float fallback) const
{
    if (const float *value = std::get_if<float>(&held)) {
        return *value;
    }
    float result = fallback;
    parseText(toString(), result);
    return result;
}
