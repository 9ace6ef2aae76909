// XmlContentHandler: receiver of the scanner's events; every event does
// nothing unless a subclass says otherwise.
#pragma once

#include "xml/xml_value.h"

#include <map>
#include <string>

// Attributes of a start tag, by name in byte order.
using XmlAttributeMap = std::map<std::string, XmlValue>;

class XmlContentHandler {
public:
    virtual ~XmlContentHandler() = default;
    virtual void startDocument() {}
    virtual void endDocument() {}
    virtual void characters(const std::string &) {}
    virtual void startElement(const std::string &, const XmlAttributeMap &) {}
    virtual void endElement(const std::string &) {}
};
