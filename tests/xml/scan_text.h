// Test helper: the tree of an inline XML text.
#pragma once

#include "xml/load_xml_file.h"

#include <sstream>
#include <string>

inline std::unique_ptr<XmlNode> scanText(const std::string &text)
{
    std::istringstream input(text);
    return scanXmlTree(input);
}
