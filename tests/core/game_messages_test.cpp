#include "core/game_messages.h"

#include "play_world.h"

namespace {

// One message at (100, 100) with a 4 x 4 sprite drawn at (10, 10).
class GameMessages : public PlayWorld {
protected:
    void SetUp() override
    {
        PlayWorld::SetUp();
        addAnimation("idle", Rect{0, 0, 4, 4});
        addAnimation("wave", Rect{0, 0, 4, 4});
        signPicture = picture(4, 4, 0x22CC44);
        message.created = gameclock::now();  // the delay counts from here
        message.position = Vec2(100.0f, 100.0f);
        message.radius = 10.0f;
        message.animationName = "idle";
        message.sprite = std::make_unique<Sprite>();
        message.sprite->setImage(signPicture.get());
        message.sprite->setTopLeft(10, 10);
    }
    // Whether this frame drew the sign.
    bool drawnFrame(Vec2 point)
    {
        SDL_FillRect(video.world.get(), nullptr, 0);
        updateGameMessage(message, point);
        return rgb(11, 11) == 0x22CC44;
    }
    std::string playing() const
    {
        return message.sprite->animation() == nullptr ? std::string() : message.sprite->animation()->name;
    }

    SurfacePtr signPicture;
    GameMessage message;
};

}  // namespace

TEST_F(GameMessages, shown_strictly_inside_the_radius_never_with_radius_zero)
{
    EXPECT_FALSE(drawnFrame(Vec2(110.0f, 100.0f)));
    EXPECT_EQ(playing(), "");
    EXPECT_TRUE(drawnFrame(Vec2(109.0f, 100.0f)));
    EXPECT_TRUE(message.shown);
    EXPECT_EQ(playing(), "idle");
    EXPECT_FALSE(drawnFrame(Vec2(110.0f, 100.0f)));
    EXPECT_FALSE(message.shown);

    message.radius = 0.0f;
    EXPECT_FALSE(drawnFrame(Vec2(100.0f, 100.0f)));
    EXPECT_FALSE(message.shown);
}

TEST_F(GameMessages, timed_switch_happens_once_after_the_delay_wherever_the_player_is)
{
    message.Timed = true;
    message.HowLong = 5000;
    message.TimedEvent = "wave";
    wallclock::advance(5000);
    EXPECT_FALSE(drawnFrame(Vec2(200.0f, 200.0f)));
    EXPECT_EQ(message.animationName, "idle");
    wallclock::advance(1);
    drawnFrame(Vec2(200.0f, 200.0f));
    EXPECT_FALSE(message.Timed);
    EXPECT_EQ(playing(), "wave");

    message.TimedEvent = "idle";
    wallclock::advance(10000);
    EXPECT_TRUE(drawnFrame(Vec2(100.0f, 100.0f)));
    EXPECT_EQ(playing(), "wave");

    // A message without a sprite does nothing at all.
    message.sprite.reset();
    message.Timed = true;
    drawnFrame(Vec2(100.0f, 100.0f));
    EXPECT_TRUE(message.Timed);
}
