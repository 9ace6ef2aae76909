// What happens in play, reported the moment it happens: the play rules call
// reportGameEvent with what happened, where in the world and how strongly;
// every listener hears every event in order. Nothing in the rules depends
// on who listens (tests listen with a fake; the sound is one more listener),
// and with no listener a report costs one test of an empty list.
#pragma once

#include "world/vec2.h"

enum class GameEventKind {
    GemTaken,       // at the gem
    DoorOpened,     // at the door rectangle's top-left
    LevelFinished,  // at the player's centre, in the door
    ZombieStruck,   // at the lawnmower; strength is the throttle
    ZombieKilled,   // at the zombie's middle
    PlayerJumped,   // at the player's centre; strength 1, or 0.85 out of a pool
    PlayerHurt,     // at the player's centre; strength is the health lost
    PoolEntered,    // at the blood surface; strength is the splash's
    PoolLeft,       // likewise
    SwimStroke,     // at the player's centre, once a second while swimming
    BloodLanded,    // where a particle's blood became a cell
    OutroBurst,     // at the burst's source
};

struct GameEvent {
    GameEventKind kind = GameEventKind::GemTaken;
    Vec2 position;
    float strength = 1.0f;
};

class GameEventListener {
public:
    virtual ~GameEventListener() = default;
    virtual void gameEvent(const GameEvent &event) = 0;
};

// Listeners are not owned; a listener removes itself before it goes.
void addGameEventListener(GameEventListener *listener);
void removeGameEventListener(GameEventListener *listener);
// Number of listeners (program-wide state: tests check it is back to 0).
int gameEventListenerCount();

void reportGameEvent(GameEventKind kind, Vec2 position, float strength = 1.0f);
