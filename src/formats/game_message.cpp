#include "formats/game_message.h"

#include "platform/clock.h"
#include "xml/xml_reader.h"

#include <cstdio>

GameMessage::GameMessage() : created(gameclock::now()) {}

GameMessage::~GameMessage()
{
    // The sprite links to the picture, so it goes first.
    sprite.reset();
    image.reset();
}

void GameMessage::serialize(XmlReader &reader)
{
    if (reader.isWriting()) {
        reader.setAttribute("x", XmlValue(position.x));
        reader.setAttribute("y", XmlValue(position.y));
        if (hasRadius) {
            reader.setAttribute("radius", XmlValue(radius));
        }
    } else {
        reader.attribute(position.x, "x");
        reader.attribute(position.y, "y");
        hasRadius = hasRadius || reader.currentNode()->hasAttribute("radius");
        reader.attribute(radius, "radius");
    }
    XML_ELEMENT(reader, imageFile, "Image");
    XML_ELEMENT(reader, animationName, "Animation");
    XML_ELEMENT(reader, spriteX, "Xpos");
    XML_ELEMENT(reader, spriteY, "Ypos");
    XML_ELEMENT(reader, Timed, "Timed");
    XML_ELEMENT(reader, HowLong, "HowLong");
    XML_ELEMENT(reader, TimedEvent, "TimedEvent");
    if (reader.isWriting()) {
        return;
    }

    shown = false;
    sprite.reset();
    image.reset();
    if (!imageFile.empty()) {
        image = loadPicture(imageFile);
        if (image == nullptr) {
            std::fprintf(stderr, "%s: cannot load message picture: %s\n", imageFile.c_str(), SDL_GetError());
        }
        sprite = std::make_unique<Sprite>();
        sprite->setTopLeft(spriteX, spriteY);
        sprite->setImage(image.get());
    }
}
