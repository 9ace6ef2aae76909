// Listens to the game's events for the life of the object and keeps them,
// in order, for a test to read.
#pragma once

#include "world/game_events.h"

#include <vector>

class EventRecorder : public GameEventListener {
public:
    EventRecorder() { addGameEventListener(this); }
    ~EventRecorder() override { removeGameEventListener(this); }
    EventRecorder(const EventRecorder &) = delete;
    EventRecorder &operator=(const EventRecorder &) = delete;

    void gameEvent(const GameEvent &event) override { events.push_back(event); }

    int count(GameEventKind kind) const
    {
        int n = 0;
        for (const GameEvent &event : events) {
            n += event.kind == kind;
        }
        return n;
    }
    // The last event of that kind; a default event when there is none.
    GameEvent last(GameEventKind kind) const
    {
        for (auto it = events.rbegin(); it != events.rend(); ++it) {
            if (it->kind == kind) {
                return *it;
            }
        }
        return GameEvent{};
    }

    std::vector<GameEvent> events;
};
