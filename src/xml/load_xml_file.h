// loadXmlFile: the one way the game reads a data file into a record: scan it
// into a tree, run the record's serialize routine on the top element, free
// the tree.
#pragma once

#include "xml/xml_document.h"
#include "xml/xml_parser.h"
#include "xml/xml_reader.h"

#include <istream>
#include <string>

// True when a top element was found and read. `rootName` is the name the
// caller expects for the top element; a top element of any name is read. A
// file that cannot be opened, or that holds no element, leaves the target
// untouched.
template <class T>
bool loadXmlStream(T &target, std::istream &input, const std::string &rootName)
{
    (void)rootName;
    XmlDocument document;
    XmlParser parser;
    parser.setHandler(&document);
    parser.parse(input);
    const std::unique_ptr<XmlNode> root = document.takeRoot();
    fromXml(root.get(), target);
    return root != nullptr;
}

template <class T>
bool loadXmlFile(T &target, const std::string &fileName, const std::string &rootName)
{
    (void)rootName;
    XmlDocument document;
    XmlParser parser;
    parser.setHandler(&document);
    parser.parse(fileName);
    const std::unique_ptr<XmlNode> root = document.takeRoot();
    fromXml(root.get(), target);
    return root != nullptr;
}
