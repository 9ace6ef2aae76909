#include "xml/xml_reader.h"

#include <cstdio>

XmlReader::XmlReader(XmlNode &node, XmlDirection readerDirection)
    : direction(readerDirection), root(&node), current(&node)
{
}

void XmlReader::setSourceLocation(const std::string &file, std::uint32_t line)
{
    sourceFile = file;
    sourceLine = line;
}

bool XmlReader::hasChild(const std::string &name) const
{
    if (cursor >= 0 && cursor < current->childCount() && current->child(cursor)->name() == name) {
        return true;
    }
    for (int i = 0; i < current->childCount(); ++i) {
        if (current->child(i)->name() == name) {
            return true;
        }
    }
    return false;
}

XmlNode *XmlReader::getChild(const std::string &name)
{
    if (diagnostics && cursor >= current->childCount()) {
        warn("Xml warning, ain't no childs left in the current node: " + current->name());
    }
    if (!hasChild(name)) {
        return nullptr;
    }
    if (cursor >= 0 && cursor < current->childCount() && current->child(cursor)->name() == name) {
        return current->child(cursor++);
    }
    if (diagnostics) {
        warn("Xml warning a child node wasn't in the place it should be, order fucked up in node: " +
             current->name());
    }
    // The search leaves the cursor on the child found, not past it.
    cursor = 0;
    while (cursor < current->childCount() && current->child(cursor)->name() != name) {
        ++cursor;
    }
    return current->child(cursor);
}

void XmlReader::setAttribute(const std::string &name, const XmlValue &value)
{
    current->setAttribute(name, value);
}

void XmlReader::beginNode(const std::string &name)
{
    current = current->addChild(std::make_unique<XmlNode>(name));
}

void XmlReader::endNode(const std::string &name)
{
    if (diagnostics && name != current->name()) {
        warn("Xml warning, trying to end a different node: " + name + " should end: " + current->name());
    }
    // The reader's own element is as high as it climbs.
    if (current != root && current->parent() != nullptr) {
        current = current->parent();
    }
}

void XmlReader::attribute(bool &field, const std::string &name)
{
    if (isWriting()) {
        setAttribute(name, XmlValue(field));
    } else if (current->hasAttribute(name)) {
        field = current->attribute(name).asBool(field);
    }
}

void XmlReader::attribute(std::int32_t &field, const std::string &name)
{
    if (isWriting()) {
        setAttribute(name, XmlValue(field));
    } else if (current->hasAttribute(name)) {
        field = current->attribute(name).asInt(field);
    }
}

void XmlReader::attribute(float &field, const std::string &name)
{
    if (isWriting()) {
        setAttribute(name, XmlValue(field));
    } else if (current->hasAttribute(name)) {
        field = current->attribute(name).asFloat(field);
    }
}

void XmlReader::attribute(std::string &field, const std::string &name)
{
    if (isWriting()) {
        setAttribute(name, XmlValue(field));
    } else if (current->hasAttribute(name)) {
        field = current->attribute(name).asString();
    }
}

void XmlReader::warn(const std::string &message) const
{
    // Written whole: element names come from the file and may hold any byte.
    const std::string line = message + " in file: " + sourceFile + " at line " + std::to_string(sourceLine) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}
