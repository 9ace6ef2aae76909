#include "formats/animation.h"

#include "xml/xml_reader.h"

#include <cstdint>

void Animation::advance(std::int32_t dt)
{
    // The library never holds such an animation; one built by hand that has
    // no frames or no frame length stays where it is instead of dividing by
    // zero or indexing nothing.
    if (!playing || frames.empty() || FrameLength <= 0 || dt < 0) {
        return;
    }
    // 64-bit sums: a sprite left off screen for weeks must not overflow.
    const std::int64_t total = static_cast<std::int64_t>(elapsed) + dt;
    const std::int64_t steps = total / FrameLength;
    const std::int64_t count = static_cast<std::int64_t>(frames.size());
    std::int64_t frame = static_cast<std::int64_t>(currentFrame) + steps;
    if (frame < 0 || frame >= count) {
        if (loop) {
            frame = ((frame % count) + count) % count;
        } else {
            playing = false;
            frame = count - 1;
        }
    }
    currentFrame = static_cast<std::int32_t>(frame);
    elapsed = static_cast<std::int32_t>(total - steps * FrameLength);
}

void Animation::serialize(XmlReader &reader)
{
    reader.attribute(name, "name");
    reader.attribute(loop, "loop");
    XML_ELEMENT(reader, FrameLength, "FrameLength");
    if (reader.isWriting()) {
        for (const Rect &frame : frames) {
            reader.writeObject(frame, "Rect");
        }
        return;
    }
    // Each "Rect" changes only the values it names; the rest carry over
    // from the frame before.
    Rect carried;
    const XmlNode *node = reader.currentNode();
    for (int i = 0; i < node->childCount(); ++i) {
        XmlNode *child = node->child(i);
        if (child->name() == "Rect") {
            fromXml(child, carried);
            frames.push_back(carried);
        }
    }
}
