#include "xml/xml_writer.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include <unistd.h>

namespace {

constexpr std::size_t kMaxIndent = 32;

bool isWritableName(const std::string &name)
{
    return !name.empty() && name.find_first_of(" \t\r\n<>=\"'/!?") == std::string::npos;
}

bool isWritableValue(const std::string &value)
{
    return value.find_first_of("\"<>\r\n") == std::string::npos;
}

std::string escapeText(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The start tag, or false when the element cannot be written.
bool startTag(const XmlNode &node, std::string &tag)
{
    if (!isWritableName(node.name())) {
        return false;
    }
    tag = "<" + node.name();
    for (const std::string &name : node.attributes().names()) {
        const std::string value = node.attribute(name).asString();
        if (!isWritableName(name) || !isWritableValue(value)) {
            return false;
        }
        tag += " " + name + "=\"" + value + "\"";
    }
    return true;
}

}  // namespace

bool writeXml(const XmlNode &root, std::string &text)
{
    std::string written;
    // Depth-first without recursion: each entry is a node and the next child
    // to write.
    std::vector<std::pair<const XmlNode *, int>> open{{&root, 0}};
    while (!open.empty()) {
        auto &[node, next] = open.back();
        // Indentation stops deepening past 32 levels, so text stays linear in
        // the tree's size however deep it is.
        const std::string indent(2 * std::min<std::size_t>(open.size() - 1, kMaxIndent), ' ');
        if (next == 0) {
            std::string tag;
            if (!startTag(*node, tag) || node->text().find_first_of("\r\n") != std::string::npos) {
                return false;
            }
            if (node->childCount() == 0) {
                written += indent + tag +
                           (node->text().empty() ? "/>" : ">" + escapeText(node->text()) + "</" + node->name() + ">") +
                           '\n';
                open.pop_back();
                continue;
            }
            written += indent + tag + ">" + escapeText(node->text()) + '\n';
        }
        if (next < node->childCount()) {
            const XmlNode *child = node->child(next++);
            open.emplace_back(child, 0);
            continue;
        }
        written += indent + "</" + node->name() + ">\n";
        open.pop_back();
    }
    text += written;
    return true;
}

bool replaceFileContents(const std::string &fileName, const std::string &text)
{
    const std::string newFile = fileName + ".new";
    std::FILE *file = std::fopen(newFile.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
    // On the disk before the rename, so the name never points at half a file.
    written = written && fsync(fileno(file)) == 0;
    written = std::fclose(file) == 0 && written;
    if (!written || std::rename(newFile.c_str(), fileName.c_str()) != 0) {
        std::remove(newFile.c_str());
        return false;
    }
    return true;
}

bool saveXmlTree(const XmlNode &root, const std::string &fileName)
{
    std::string text;
    return writeXml(root, text) && replaceFileContents(fileName, text);
}
