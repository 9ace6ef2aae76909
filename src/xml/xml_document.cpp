#include "xml/xml_document.h"

void XmlDocument::startDocument()
{
    top.reset();
    current = nullptr;
    skippedDepth = 0;
}

void XmlDocument::characters(const std::string &text)
{
    if (current != nullptr && skippedDepth == 0) {
        current->setText(text);
    }
}

void XmlDocument::startElement(const std::string &name, const XmlAttributeMap &attributes)
{
    if (skippedDepth > 0 || (top != nullptr && current == nullptr)) {
        ++skippedDepth;
        return;
    }
    auto node = std::make_unique<XmlNode>(name);
    for (const auto &[attributeName, value] : attributes) {
        node->setAttribute(attributeName, value);
    }
    if (top == nullptr) {
        top = std::move(node);
        current = top.get();
    } else {
        current = current->addChild(std::move(node));
    }
}

void XmlDocument::endElement(const std::string &)
{
    if (skippedDepth > 0) {
        --skippedDepth;
        return;
    }
    if (current != nullptr) {
        current = current->parent();
    }
}

std::unique_ptr<XmlNode> XmlDocument::takeRoot()
{
    current = nullptr;
    return std::move(top);
}
