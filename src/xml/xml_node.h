// XmlNode: one element of a scanned or built XML tree, with its text, its
// attributes and its child elements in document order.
#pragma once

#include "xml/xml_attribute_list.h"

#include <memory>
#include <string>
#include <vector>

// A node owns its children; destroying it destroys the whole subtree, without
// recursion, so trees of any depth are safe to free.
class XmlNode {
public:
    XmlNode() = default;
    explicit XmlNode(std::string name);
    ~XmlNode();
    XmlNode(const XmlNode &) = delete;
    XmlNode &operator=(const XmlNode &) = delete;

    const std::string &name() const { return elementName; }
    void setName(const std::string &name) { elementName = name; }

    const std::string &text() const { return content; }
    // Stores the text with the entities &lt; &gt; &amp; &apos; &quot;
    // decoded, each as a whole pass in that order.
    void setText(const std::string &text);

    XmlNode *parent() const { return parentNode; }
    void setParent(XmlNode *parent) { parentNode = parent; }

    // Takes the child, makes this node its parent and appends it.
    XmlNode *addChild(std::unique_ptr<XmlNode> child);
    int childCount() const { return static_cast<int>(children.size()); }
    // For 0 <= i < childCount().
    XmlNode *child(int i) const { return children[static_cast<std::size_t>(i)].get(); }

    bool hasAttribute(const std::string &name) const { return attributeList.has(name); }
    const XmlValue &attribute(const std::string &name) const { return attributeList.get(name); }
    void setAttribute(const std::string &name, const XmlValue &value) { attributeList.set(name, value); }
    const XmlAttributeList &attributes() const { return attributeList; }

private:
    XmlNode *parentNode = nullptr;
    std::string elementName;
    std::string content;
    std::vector<std::unique_ptr<XmlNode>> children;
    XmlAttributeList attributeList;
};
