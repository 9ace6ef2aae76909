// Reads a record from XML text through the same path as the game's data
// files, so record tests need no files.
#pragma once

#include "xml/load_xml_file.h"

#include <sstream>
#include <string>

template <class Record>
void readFromText(Record &record, const std::string &text, const char *rootName)
{
    std::istringstream input(text);
    loadXmlStream(record, input, rootName);
}
