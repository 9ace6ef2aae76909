// XmlDocument: the content handler that builds the element tree of one
// scanned input.
#pragma once

#include "xml/xml_content_handler.h"
#include "xml/xml_node.h"

#include <memory>

// The document owns the top element until takeRoot() hands it over. Text
// replaces what its element held, so of several runs the last one stays;
// any end tag closes the innermost open element; elements still open at the
// end stay in the tree. A second top-level element is skipped together with
// everything inside it.
class XmlDocument : public XmlContentHandler {
public:
    void startDocument() override;
    void characters(const std::string &text) override;
    void startElement(const std::string &name, const XmlAttributeMap &attributes) override;
    void endElement(const std::string &name) override;

    XmlNode *root() const { return top.get(); }
    std::unique_ptr<XmlNode> takeRoot();

private:
    std::unique_ptr<XmlNode> top;
    XmlNode *current = nullptr;
    // Depth inside a skipped second top-level element; 0 when not skipping.
    std::size_t skippedDepth = 0;
};
