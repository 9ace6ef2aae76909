#include "formats/animation_library.h"

#include "xml/load_xml_file.h"

#include <cstdio>
#include <utility>

namespace {

// One line on standard error, written whole: animation names come from the
// file and may hold any byte.
void reportLine(const std::string &line)
{
    std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace

const Animation *AnimationLibrary::find(const std::string &name) const
{
    const auto entry = animations_.find(name);
    return entry == animations_.end() ? nullptr : entry->second.get();
}

void AnimationLibrary::add(std::unique_ptr<Animation> animation)
{
    if (animation == nullptr) {
        return;
    }
    std::string name = animation->name;
    animations_[std::move(name)] = std::move(animation);
}

void AnimationLibrary::clear()
{
    animations_.clear();
}

bool AnimationLibrary::operator==(const AnimationLibrary &other) const
{
    if (animations_.size() != other.animations_.size()) {
        return false;
    }
    for (const auto &[name, animation] : animations_) {
        const Animation *match = other.find(name);
        if (match == nullptr || !(*match == *animation)) {
            return false;
        }
    }
    return true;
}

void AnimationLibrary::serialize(XmlReader &reader)
{
    if (reader.isWriting()) {
        for (const auto &entry : animations_) {
            reader.writeObject(*entry.second, "Animation");
        }
        return;
    }
    const XmlNode *node = reader.currentNode();
    for (int i = 0; i < node->childCount(); ++i) {
        XmlNode *child = node->child(i);
        if (child->name() != "Animation") {
            continue;
        }
        auto animation = std::make_unique<Animation>();
        fromXml(child, *animation);
        // The frame advance divides by FrameLength and indexes frames, so
        // such an animation is never stored: playing its name keeps
        // whatever a sprite shows.
        if (animation->frames.empty()) {
            reportLine(fileName_ + ": animation \"" + animation->name + "\" has no Rect frame, not loaded\n");
        } else if (animation->FrameLength <= 0) {
            reportLine(fileName_ + ": animation \"" + animation->name + "\" has FrameLength " +
                       std::to_string(animation->FrameLength) + ", not loaded\n");
        } else {
            add(std::move(animation));
        }
    }
}

AnimationLibrary &animationLibrary()
{
    static AnimationLibrary library;
    return library;
}

bool loadAnimationLibrary(const std::string &fileName)
{
    AnimationLibrary &library = animationLibrary();
    library.setFileName(fileName);
    if (!loadXmlFile(library, fileName, "Animations")) {
        reportLine(fileName + ": cannot read the animations (missing file or no element)\n");
        return false;
    }
    // Without any animation every sprite would show its whole picture: the
    // file is not one the game can play with.
    if (library.size() == 0) {
        reportLine(fileName + ": holds no usable animation\n");
        return false;
    }
    return true;
}
