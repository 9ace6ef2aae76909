// XmlParser: the game's own scanner for the subset of XML its data files
// use. It reads a text line by line and reports text runs, start tags and
// end tags to an XmlContentHandler.
#pragma once

#include "xml/xml_content_handler.h"

#include <string>
#include <string_view>

// Accepted: elements, attributes with quoted values, text with the five named
// entities, empty elements ("<a/>"), and tags starting with "!" or "?"
// (comments, declarations), which are skipped. Lines end at "\n", with a "\r"
// before it dropped. Blanks at line ends and after "<" and ">" are dropped;
// lines of text are joined with nothing between them, while a line break
// inside a tag counts as one blank. One parser scans one input.
class XmlParser {
public:
    // The handler is not owned and must outlive the parse.
    void setHandler(XmlContentHandler *receiver) { handler = receiver; }

    // An empty text gives only the start and end of the document.
    void parse(std::string_view text);

private:
    void scanLine(std::string_view line);
    void flushText();
    void handleTag();
    void handleStartTag(std::string_view content);
    std::string parseAttributes(std::string_view content);

    bool inTag = false;
    std::string textBuffer;
    std::string tagBuffer;
    XmlAttributeMap pendingAttributes;
    XmlContentHandler *handler = nullptr;
};
