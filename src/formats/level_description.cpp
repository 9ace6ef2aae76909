#include "formats/level_description.h"

#include "xml/color.h"
#include "xml/load_xml_file.h"

#include <cstdio>

Color unpackGroundColor(std::uint32_t packed)
{
    return Color{static_cast<std::uint8_t>(packed >> 24), static_cast<std::uint8_t>(packed >> 16),
                 static_cast<std::uint8_t>(packed >> 8), static_cast<std::uint8_t>(packed)};
}

std::uint32_t packGroundColor(const Color &color)
{
    return (static_cast<std::uint32_t>(color.r) << 24) | (static_cast<std::uint32_t>(color.g) << 16) |
           (static_cast<std::uint32_t>(color.b) << 8) | static_cast<std::uint32_t>(color.a);
}

void LevelDescription::serialize(XmlReader &reader)
{
    if (reader.isReading()) {
        BloodSucker = false;
        Outro = false;
        CameraPan = false;
    }
    XML_ELEMENT(reader, LevelImage, "LevelImage");
    XML_ELEMENT(reader, BackgroundImage, "BackgroundImage");
    Color ground = unpackGroundColor(GroundColor);
    XML_OBJECT(reader, ground, "GroundColor");
    GroundColor = packGroundColor(ground);
    XML_ELEMENT(reader, CameraPan, "CameraPan");
    XML_ELEMENT(reader, CameraPanSpeed, "CameraPanSpeed");
    XML_ELEMENT(reader, CameraPanX, "CameraPanX");
    XML_ELEMENT(reader, CameraPanY, "CameraPanY");
    XML_ELEMENT(reader, BloodSucker, "BloodSucker");
    XML_ELEMENT(reader, Outro, "Outro");

    if (reader.isWriting()) {
        for (const auto &message : messages) {
            reader.writeObject(*message, "GameMessage");
        }
        return;
    }
    // Every "GameMessage" child, wherever it stands, is one message.
    const XmlNode *node = reader.currentNode();
    for (int i = 0; i < node->childCount(); ++i) {
        XmlNode *child = node->child(i);
        if (child->name() == "GameMessage") {
            auto message = std::make_unique<GameMessage>();
            fromXml(child, *message);
            messages.push_back(std::move(message));
        }
    }
}

bool loadLevelDescription(LevelDescription &description, const std::string &fileName)
{
    if (!loadXmlFile(description, fileName, "GorlakLevel")) {
        return false;
    }
    for (const auto &message : description.messages) {
        if (!message->hasRadius) {
            std::fprintf(stderr, "%s: game message at (%g, %g) has no \"radius\" and is never shown\n",
                         fileName.c_str(), static_cast<double>(message->position.x),
                         static_cast<double>(message->position.y));
        }
    }
    return true;
}
