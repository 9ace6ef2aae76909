// XmlAttributeList: the attributes of one element, by name, in the order
// they were stored.
#pragma once

#include "xml/xml_value.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

class XmlAttributeList {
public:
    bool has(const std::string &name) const;
    // The stored value, or the empty value when the name is absent.
    const XmlValue &get(const std::string &name) const;
    // Stores a copy of the value unless the name is present: the first value
    // of a name stays.
    void set(const std::string &name, const XmlValue &value);

    std::size_t size() const { return values.size(); }
    // The names in the order their values were stored.
    std::vector<std::string> names() const;

private:
    std::vector<XmlValue> values;
    std::map<std::string, std::size_t> index;
};
