#include "formats/level_list.h"

#include "xml/load_xml_file.h"

#include <cstdio>

std::string LevelList::next()
{
    if (current >= 0 && current < static_cast<int>(entries.size())) {
        entries[static_cast<std::size_t>(current)].completed = true;
        current += 1;
    }
    return fileNameAt(current);
}

std::string LevelList::fileNameAt(int position) const
{
    if (position < 0 || position >= static_cast<int>(entries.size())) {
        return "";
    }
    return entries[static_cast<std::size_t>(position)].fileName;
}

bool LevelList::hasPlayableLevel() const
{
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (!entries[i].fileName.empty()) {
            return true;
        }
    }
    return false;
}

std::string LevelList::nextPlayable()
{
    if (!hasPlayableLevel()) {
        return "";
    }
    // Each pass over the list meets a named entry, so this ends.
    for (;;) {
        const std::string fileName = next();
        if (!fileName.empty()) {
            return fileName;
        }
        if (current >= static_cast<int>(entries.size())) {
            current = 0;
        } else {
            std::fprintf(stderr, "%s: position %d names no level file; skipped\n", kLevelListFile, current);
        }
    }
}

void LevelList::serialize(XmlReader &reader)
{
    if (reader.isWriting()) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            reader.beginNode("Level");
            reader.setAttribute("position", XmlValue(static_cast<int>(i)));
            reader.setAttribute("filename", XmlValue(entries[i].fileName));
            reader.setAttribute("completed", XmlValue(entries[i].completed));
            reader.endNode("Level");
        }
        return;
    }
    const XmlNode *root = reader.currentNode();
    for (int i = 0; i < root->childCount(); ++i) {
        const XmlNode *child = root->child(i);
        if (child->name() != "Level" || !child->hasAttribute("position") || !child->hasAttribute("filename")) {
            continue;
        }
        const int position = child->attribute("position").asInt(0);
        LevelEntry entry{child->attribute("filename").asString(), false};
        if (child->hasAttribute("completed")) {
            entry.completed = child->attribute("completed").asBool(false);
        }
        // The last "Level" fixes the length of the list.
        if (position > 0 && position < 10000) {
            entries.resize(static_cast<std::size_t>(position) + 1);
            entries[static_cast<std::size_t>(position)] = entry;
        }
    }
}

bool loadLevelList(LevelList &list, const std::string &fileName)
{
    return loadXmlFile(list, fileName, "LevelList");
}
