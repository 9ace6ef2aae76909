#include "world/game_events.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<GameEventListener *> &listeners()
{
    static std::vector<GameEventListener *> list;
    return list;
}

}  // namespace

void addGameEventListener(GameEventListener *listener)
{
    if (listener != nullptr && std::find(listeners().begin(), listeners().end(), listener) == listeners().end()) {
        listeners().push_back(listener);
    }
}

void removeGameEventListener(GameEventListener *listener)
{
    auto &list = listeners();
    list.erase(std::remove(list.begin(), list.end(), listener), list.end());
}

int gameEventListenerCount()
{
    return static_cast<int>(listeners().size());
}

void reportGameEvent(GameEventKind kind, Vec2 position, float strength)
{
    const auto &list = listeners();
    if (list.empty()) {
        return;
    }
    const GameEvent event{kind, position, strength};
    for (GameEventListener *listener : list) {
        listener->gameEvent(event);
    }
}
