// loadXmlFile: the one way the game reads a data file into a record: scan it
// into a tree, run the record's serialize routine on the top element, free
// the tree.
#pragma once

#include "xml/xml_document.h"
#include "xml/xml_parser.h"
#include "xml/xml_reader.h"

#include <istream>
#include <string>

// Scans a file name or an input stream into a tree; null when it holds no
// element (or the file cannot be opened).
template <class Source>
std::unique_ptr<XmlNode> scanXmlTree(Source &source)
{
    XmlDocument document;
    XmlParser parser;
    parser.setHandler(&document);
    parser.parse(source);
    return document.takeRoot();
}

// True when a top element was found and read. `rootName` is the name the
// caller expects for the top element; a top element of any name is read. A
// file that cannot be opened, or that holds no element, leaves the target
// untouched.
template <class T>
bool loadXmlStream(T &target, std::istream &input, const std::string &rootName)
{
    (void)rootName;
    const std::unique_ptr<XmlNode> root = scanXmlTree(input);
    fromXml(root.get(), target);
    return root != nullptr;
}

template <class T>
bool loadXmlFile(T &target, const std::string &fileName, const std::string &rootName)
{
    (void)rootName;
    const std::unique_ptr<XmlNode> root = scanXmlTree(fileName);
    fromXml(root.get(), target);
    return root != nullptr;
}
