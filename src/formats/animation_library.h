// AnimationLibrary: every animation of the game by name, read once at
// start-up from "data/gfx/animations.xml". Sprites copy an entry to play it.
// The library owns its animations; find() hands out links that stay valid
// until the entry is replaced or the library cleared.
#pragma once

#include "formats/animation.h"

#include <cstddef>
#include <map>
#include <memory>
#include <string>

class XmlReader;

inline constexpr const char *kAnimationsFile = "data/gfx/animations.xml";

class AnimationLibrary {
public:
    // The entry of that name (names compare byte by byte), or null.
    const Animation *find(const std::string &name) const;
    // Stores the animation under its name, replacing an entry of that name.
    void add(std::unique_ptr<Animation> animation);
    void clear();
    std::size_t size() const { return animations_.size(); }
    // Same names holding equal animations.
    bool operator==(const AnimationLibrary &other) const;

    // Two-way. Reading: every "Animation" child of the element, in document
    // order, a later name replacing an earlier one; an animation that cannot
    // be played (no frame, or a frame length of 0 or less) is left out with
    // a line on standard error. Writing: one "Animation" child per entry, in
    // name order.
    void serialize(XmlReader &reader);

    // The file named in error lines while reading.
    void setFileName(const std::string &fileName) { fileName_ = fileName; }

private:
    std::map<std::string, std::unique_ptr<Animation>> animations_;
    std::string fileName_ = kAnimationsFile;
};

// The one library of the program; tests empty it with clear().
AnimationLibrary &animationLibrary();

// Reads the file into animationLibrary(), adding to or replacing what it
// holds. False when the file has no top element (missing or unreadable);
// the library is then left as it was.
bool loadAnimationLibrary(const std::string &fileName = kAnimationsFile);
