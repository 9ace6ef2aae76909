#include "core/game_messages.h"

#include "play_world.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kSign = 0x22CC44;

class GameMessages : public PlayWorld {
protected:
    void SetUp() override
    {
        PlayWorld::SetUp();
        addAnimation("idle", Rect{0, 0, 4, 4});
        addAnimation("wave", Rect{0, 0, 4, 4});
        signPicture = picture(4, 4, 0xFF000000 | kSign);
    }
    void TearDown() override
    {
        messages.clear();
        PlayWorld::TearDown();
    }

    // A message with a 4 x 4 sprite drawn at (10, 10).
    GameMessage &addMessage(Vec2 position, float radius)
    {
        auto message = std::make_unique<GameMessage>();
        message->created = gameclock::now();
        message->position = position;
        message->radius = radius;
        message->animationName = "idle";
        message->sprite = std::make_unique<Sprite>();
        message->sprite->setImage(signPicture.get());
        message->sprite->setTopLeft(10, 10);
        messages.push_back(std::move(message));
        return *messages.back();
    }
    bool drawn() const { return (pixel(11, 11) & 0xFFFFFF) == kSign; }
    std::string playing(const GameMessage &message) const
    {
        const Animation *a = message.sprite->animation();
        return a == nullptr ? std::string() : a->name;
    }

    SurfacePtr signPicture;
    std::vector<std::unique_ptr<GameMessage>> messages;
};

}  // namespace

TEST_F(GameMessages, shown_strictly_inside_the_radius)
{
    GameMessage &message = addMessage(Vec2(100.0f, 100.0f), 10.0f);
    updateGameMessages(messages, Vec2(110.0f, 100.0f));
    EXPECT_FALSE(message.shown);
    EXPECT_FALSE(drawn());
    EXPECT_EQ(playing(message), "");

    updateGameMessages(messages, Vec2(109.0f, 100.0f));
    EXPECT_TRUE(message.shown);
    EXPECT_TRUE(drawn());
    EXPECT_EQ(playing(message), "idle");

    clearWorldSurface();
    updateGameMessages(messages, Vec2(110.0f, 100.0f));
    EXPECT_FALSE(message.shown);
    EXPECT_FALSE(drawn());
}

TEST_F(GameMessages, radius_zero_and_no_sprite_never_show)
{
    GameMessage &zero = addMessage(Vec2(100.0f, 100.0f), 0.0f);
    updateGameMessages(messages, Vec2(100.0f, 100.0f));
    EXPECT_FALSE(zero.shown);
    EXPECT_FALSE(drawn());

    messages.clear();
    auto bare = std::make_unique<GameMessage>();
    bare->radius = 50.0f;
    bare->Timed = true;
    bare->HowLong = 0;
    bare->TimedEvent = "wave";
    messages.push_back(std::move(bare));
    gameclock::advance(10);
    updateGameMessages(messages, Vec2(0.0f, 0.0f));
    EXPECT_FALSE(messages[0]->shown);
    EXPECT_TRUE(messages[0]->Timed);
}

TEST_F(GameMessages, timed_switch_happens_once_after_the_delay_wherever_the_player_is)
{
    GameMessage &message = addMessage(Vec2(100.0f, 100.0f), 10.0f);
    message.Timed = true;
    message.HowLong = 5000;
    message.TimedEvent = "wave";
    const Vec2 away(200.0f, 200.0f);

    gameclock::advance(5000);
    updateGameMessages(messages, away);
    EXPECT_TRUE(message.Timed);
    EXPECT_EQ(message.animationName, "idle");

    gameclock::advance(1);
    updateGameMessages(messages, away);
    EXPECT_FALSE(message.Timed);
    EXPECT_EQ(message.animationName, "wave");
    EXPECT_EQ(playing(message), "wave");
    EXPECT_FALSE(drawn());

    message.TimedEvent = "idle";
    gameclock::advance(10000);
    updateGameMessages(messages, Vec2(100.0f, 100.0f));
    EXPECT_EQ(message.animationName, "wave");
    EXPECT_EQ(playing(message), "wave");
    EXPECT_TRUE(drawn());
}
