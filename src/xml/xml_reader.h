// XmlReader: the two-way serialization context. A record's one routine
// `void serialize(XmlReader &)` reads the record from an element when the
// reader is Reading and fills a new element when it is Writing.
#pragma once

#include "xml/text_rules.h"
#include "xml/xml_node.h"
#include "xml/xml_value.h"

#include <cstdint>
#include <memory>
#include <string>

enum class XmlDirection { Reading = 0, Writing = 1 };

// Records the serialization routine's own source position for diagnostics.
#define XML_HERE(reader) (reader).setSourceLocation(__FILE__, __LINE__)

// A child-element field, both directions, with its source position.
#define XML_ELEMENT(reader, field, name)                                                                 \
    do {                                                                                                 \
        XML_HERE(reader);                                                                                \
        (reader).element((field), (name));                                                               \
    } while (false)

// A nested-record field (Color and the like), both directions.
#define XML_OBJECT(reader, field, name)                                                                  \
    do {                                                                                                 \
        XML_HERE(reader);                                                                                \
        (reader).object((field), (name));                                                                \
    } while (false)

// A routine must leave its record unchanged when the reader is Writing.
// The reader owns nothing: the tree belongs to whoever made it. Children are
// looked up in order: a routine that reads its fields in the order the file
// holds them walks the children front to back; a child out of place is still
// found by a search from the start. Diagnostics (off unless switched on with
// setDiagnostics) report lookups past the last child and children out of
// place on standard error.
class XmlReader {
public:
    XmlReader(XmlNode &node, XmlDirection direction);

    bool isReading() const { return direction == XmlDirection::Reading; }
    bool isWriting() const { return direction == XmlDirection::Writing; }
    XmlNode *currentNode() const { return current; }
    int cursorPosition() const { return cursor; }

    void setSourceLocation(const std::string &file, std::uint32_t line);
    void setDiagnostics(bool enabled) { diagnostics = enabled; }
    bool diagnosticsEnabled() const { return diagnostics; }

    bool hasChild(const std::string &name) const;
    XmlNode *getChild(const std::string &name);

    // Reading: the named child's text parsed into the variable; a missing
    // child or a text that does not parse leaves it unchanged.
    template <class T>
    void read(T &variable, const std::string &name)
    {
        readElement(getChild(name), variable);
    }
    template <class T>
    void readObject(T &object, const std::string &name);
    template <class T>
    static void readElement(const XmlNode *node, T &variable)
    {
        if (node != nullptr) {
            parseText(node->text(), variable);
        }
    }

    // Writing: children and attributes appended to the current element.
    template <class T>
    void write(const T &value, const std::string &name)
    {
        current->addChild(makeElement(value, name));
    }
    template <class T>
    static std::unique_ptr<XmlNode> makeElement(const T &value, const std::string &name)
    {
        auto node = std::make_unique<XmlNode>(name);
        node->setText(formatText(value));
        return node;
    }
    template <class T>
    void writeObject(const T &object, const std::string &name);
    void setAttribute(const std::string &name, const XmlValue &value);
    // Opens a new child of the current element and makes it current.
    void beginNode(const std::string &name);
    // Climbs back to the parent; warns when diagnostics are on and the name
    // is not the current element's.
    void endNode(const std::string &name);

    // Both directions in one call, for the fields of a routine.
    template <class T>
    void element(T &field, const std::string &name)
    {
        if (isWriting()) {
            write(field, name);
        } else if (hasChild(name)) {
            read(field, name);
        }
    }
    template <class T>
    void object(T &field, const std::string &name)
    {
        if (isWriting()) {
            writeObject(field, name);
        } else if (hasChild(name)) {
            readObject(field, name);
        }
    }
    // An attribute of the current element; an absent attribute or one whose
    // text does not convert leaves the field unchanged.
    void attribute(bool &field, const std::string &name);
    void attribute(std::int32_t &field, const std::string &name);
    void attribute(float &field, const std::string &name);
    void attribute(std::string &field, const std::string &name);

private:
    void warn(const std::string &message) const;

    std::string sourceFile;
    std::uint32_t sourceLine = 0;
    bool diagnostics = false;
    XmlDirection direction = XmlDirection::Reading;
    XmlNode *root = nullptr;
    XmlNode *current = nullptr;
    int cursor = 0;
};

// Reads the object from the node with a fresh reader; nothing for a null node.
template <class T>
void fromXml(XmlNode *node, T &object)
{
    if (node != nullptr) {
        XmlReader reader(*node, XmlDirection::Reading);
        object.serialize(reader);
    }
}

// A new element named `name` holding the object; it belongs to the caller.
template <class T>
std::unique_ptr<XmlNode> toXml(const T &object, const std::string &name)
{
    auto node = std::make_unique<XmlNode>(name);
    XmlReader reader(*node, XmlDirection::Writing);
    // Routines are two-way and so not const; writing leaves the object alone.
    const_cast<T &>(object).serialize(reader);
    return node;
}

template <class T>
void XmlReader::readObject(T &object, const std::string &name)
{
    fromXml(getChild(name), object);
}

template <class T>
void XmlReader::writeObject(const T &object, const std::string &name)
{
    current->addChild(toXml(object, name));
}
