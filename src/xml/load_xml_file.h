// loadXmlFile: the one way the game reads a data file into a record: scan it
// into a tree, run the record's serialize routine on the top element, free
// the tree.
#pragma once

#include "xml/xml_reader.h"

#include <memory>
#include <string>
#include <string_view>

// The tree of a text; null when it holds no element.
std::unique_ptr<XmlNode> scanXmlText(std::string_view text);

// The tree of a file, read whole; null when it holds no element or cannot
// be read.
std::unique_ptr<XmlNode> scanXmlFile(const std::string &fileName);

// True when a top element was found and read. `rootName` is the name the
// caller expects for the top element; a top element of any name is read. A
// file that cannot be read, or a text or file that holds no element, leaves
// the target untouched.
template <class T>
bool loadXmlText(T &target, std::string_view text, const std::string &rootName)
{
    (void)rootName;
    const std::unique_ptr<XmlNode> root = scanXmlText(text);
    fromXml(root.get(), target);
    return root != nullptr;
}

template <class T>
bool loadXmlFile(T &target, const std::string &fileName, const std::string &rootName)
{
    (void)rootName;
    const std::unique_ptr<XmlNode> root = scanXmlFile(fileName);
    fromXml(root.get(), target);
    return root != nullptr;
}
