#include "formats/animation_library.h"

#include <utility>

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

AnimationLibrary &animationLibrary()
{
    static AnimationLibrary library;
    return library;
}
