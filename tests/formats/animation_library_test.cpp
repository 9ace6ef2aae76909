#include "formats/animation_library.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<Animation> named(const std::string &name, std::int32_t frameLength)
{
    auto a = std::make_unique<Animation>();
    a->name = name;
    a->FrameLength = frameLength;
    a->frames = {Rect{0, 0, 1, 1}};
    return a;
}

}  // namespace

TEST(AnimationLibrary, later_name_replaces_earlier_and_names_are_exact)
{
    AnimationLibrary library;
    library.add(named("walk", 30));
    library.add(named("Walk", 40));
    library.add(named("walk", 50));
    library.add(nullptr);
    EXPECT_EQ(library.size(), 2u);
    ASSERT_NE(library.find("walk"), nullptr);
    EXPECT_EQ(library.find("walk")->FrameLength, 50);
    EXPECT_EQ(library.find("Walk")->FrameLength, 40);
    EXPECT_EQ(library.find("walk "), nullptr);
    library.clear();
    EXPECT_EQ(library.find("walk"), nullptr);
}
