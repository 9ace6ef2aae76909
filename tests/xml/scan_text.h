// Test helper: the tree of an inline XML text.
#pragma once

#include "xml/xml_document.h"
#include "xml/xml_parser.h"

#include <memory>
#include <sstream>
#include <string>

inline std::unique_ptr<XmlNode> scanText(const std::string &text)
{
    std::istringstream input(text);
    XmlDocument document;
    XmlParser parser;
    parser.setHandler(&document);
    parser.parse(input);
    return document.takeRoot();
}
