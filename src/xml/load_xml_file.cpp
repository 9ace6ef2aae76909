#include "xml/load_xml_file.h"

#include "xml/xml_document.h"
#include "xml/xml_parser.h"

#include <cstdio>

namespace {

// The file's bytes, as far as they can be read; nothing for a file that
// cannot be opened.
std::string readWholeFile(const std::string &fileName)
{
    std::string text;
    std::FILE *file = fileName.empty() ? nullptr : std::fopen(fileName.c_str(), "rb");
    if (file == nullptr) {
        return text;
    }
    char block[16384];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) {
        text.append(block, got);
    }
    std::fclose(file);
    return text;
}

}  // namespace

std::unique_ptr<XmlNode> scanXmlText(std::string_view text)
{
    XmlDocument document;
    XmlParser parser;
    parser.setHandler(&document);
    parser.parse(text);
    return document.takeRoot();
}

std::unique_ptr<XmlNode> scanXmlFile(const std::string &fileName)
{
    return scanXmlText(readWholeFile(fileName));
}
