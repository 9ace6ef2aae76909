#include "xml/xml_attribute_list.h"

bool XmlAttributeList::has(const std::string &name) const
{
    return index.find(name) != index.end();
}

const XmlValue &XmlAttributeList::get(const std::string &name) const
{
    static const XmlValue empty;
    const auto found = index.find(name);
    return found == index.end() ? empty : values[found->second];
}

void XmlAttributeList::set(const std::string &name, const XmlValue &value)
{
    if (index.emplace(name, values.size()).second) {
        values.push_back(value);
    }
}

std::vector<std::string> XmlAttributeList::names() const
{
    std::vector<std::string> ordered(values.size());
    for (const auto &[name, position] : index) {
        ordered[position] = name;
    }
    return ordered;
}
