#include "xml/xml_node.h"

#include "xml/string_utils.h"

XmlNode::XmlNode(std::string name) : elementName(std::move(name)) {}

XmlNode::~XmlNode()
{
    // Moves every grandchild up into a flat list before its parent dies, so
    // each node is destroyed with no children of its own.
    std::vector<std::unique_ptr<XmlNode>> pending = std::move(children);
    while (!pending.empty()) {
        std::unique_ptr<XmlNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto &grandchild : node->children) {
            pending.push_back(std::move(grandchild));
        }
        node->children.clear();
    }
}

void XmlNode::setText(const std::string &text)
{
    if (text.find('&') == std::string::npos) {
        content = text;
        return;
    }
    std::string decoded = replaceAll("&lt;", "<", text);
    decoded = replaceAll("&gt;", ">", decoded);
    decoded = replaceAll("&amp;", "&", decoded);
    decoded = replaceAll("&apos;", "'", decoded);
    content = replaceAll("&quot;", "\"", decoded);
}

XmlNode *XmlNode::addChild(std::unique_ptr<XmlNode> child)
{
    child->setParent(this);
    children.push_back(std::move(child));
    return children.back().get();
}
