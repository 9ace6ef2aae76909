// Writing an element tree back as text that the scanner reads into the same
// tree, and saving a record to a file so that a crash never leaves half a
// file behind.
#pragma once

#include "xml/xml_node.h"
#include "xml/xml_reader.h"

#include <string>

// Appends the tree's text to `text`: one element a line, indented two
// blanks a level (up to 32 levels); attributes in double quotes in the
// order they were set; text with "&", "<" and ">" written as entities.
// False, with nothing appended, when a name, a value or a text would not
// read back the same (a quote, an angle bracket or a line break in a value,
// a line break in a text, a name with blanks).
bool writeXml(const XmlNode &root, std::string &text);

// Writes the text into "<fileName>.new", flushes it to the disk and renames
// it over the file. False, with the file untouched, when any step fails.
bool replaceFileContents(const std::string &fileName, const std::string &text);

// The record written with its serialize routine under an element named
// rootName, saved with replaceFileContents.
template <class T>
bool saveXmlFile(const T &record, const std::string &fileName, const std::string &rootName);

bool saveXmlTree(const XmlNode &root, const std::string &fileName);

template <class T>
bool saveXmlFile(const T &record, const std::string &fileName, const std::string &rootName)
{
    return saveXmlTree(*toXml(record, rootName), fileName);
}
