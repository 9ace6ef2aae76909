#include "reach_check.h"

#include "world/cell_grid.h"
#include "world/grid_player_mover.h"
#include "world/player.h"
#include "world/solid_cell.h"

#include <map>
#include <memory>
#include <queue>
#include <set>

namespace {

constexpr int kMaxAirSteps = 240;

// The level's ground in a grid of its own, for the game's own player
// movement; blood and zombies are left out.
class Ground {
public:
    explicit Ground(const Picture &cells) : mover_(&grid_)
    {
        for (int y = 0; y < grid_.height(); ++y) {
            for (int x = 0; x < grid_.width(); ++x) {
                if (cells.at(x, y) == kLevelGround) {
                    grid_.slot(x, y) = std::make_unique<SolidCell>();
                }
            }
        }
    }

    // A body standing still (or dropped, when not onGround) at the place.
    std::unique_ptr<Player> body(int x, int y, bool onGround)
    {
        auto player = std::make_unique<Player>();
        player->setMover(&mover_);
        player->setPosition(Vec2(static_cast<float>(x), static_cast<float>(y)));
        player->setVelocity(Vec2(0.0f, onGround ? 0.1f : 0.0f));
        player->setOnGround(onGround);
        return player;
    }

private:
    CellGrid grid_{256, 256};
    GridPlayerMover mover_;
};

// Holds one run direction key down (-1 left, 1 right, 0 none).
void holdDirection(Player &player, int direction)
{
    (direction < 0 ? player.press(Direction::Left) : player.release(Direction::Left));
    (direction > 0 ? player.press(Direction::Right) : player.release(Direction::Right));
}

using Place = std::pair<int, int>;

struct MoveResult {
    Place end;
    std::vector<std::size_t> gems;
    bool door = false;
};

// One scripted move from rest: hold direction for runUp ground steps, jump
// or not, keep the direction for airHold steps in the air, then let go and
// wait until the body rests.
MoveResult tryMove(Ground &ground, const LevelLayout &level, Place from, int direction, int runUp, bool jump,
                   int airHold)
{
    const std::unique_ptr<Player> body = ground.body(from.first, from.second, true);
    Player &b = *body;
    MoveResult result;
    auto look = [&] {
        const Vec2 c = b.centre();
        for (std::size_t i = 0; i < level.collectables.size(); ++i) {
            const float dx = static_cast<float>(level.collectables[i].x) - c.x;
            const float dy = static_cast<float>(level.collectables[i].y) - c.y;
            if (dx * dx + dy * dy < 100.0f)
                result.gems.push_back(i);
        }
        for (const LevelPoint &door : level.doors)
            if (c.x >= static_cast<float>(door.x) && c.x < static_cast<float>(door.x + 13) &&
                c.y >= static_cast<float>(door.y) && c.y < static_cast<float>(door.y + 21))
                result.door = true;
    };
    holdDirection(b, direction);
    for (int i = 0; i < runUp; ++i) {
        b.update();
        look();
    }
    if (jump) {
        b.press(Direction::Up);
        b.release(Direction::Up);
    }
    int held = 0;
    for (int i = 0; i < kMaxAirSteps; ++i) {
        const bool holding = held < airHold;
        holdDirection(b, holding ? direction : 0);
        b.update();
        look();
        if (!b.onGround())
            ++held;
        if (b.onGround() && !holding && b.velocity().x == 0.0f)
            break;
    }
    result.end = Place{static_cast<int>(b.position().x), static_cast<int>(b.position().y)};
    return result;
}

// The body at rest where it lands when dropped from the start marker.
Place settle(Ground &ground, Place start)
{
    const std::unique_ptr<Player> body = ground.body(start.first, start.second, false);
    for (int i = 0; i < kMaxAirSteps && !body->onGround(); ++i)
        body->update();
    return Place{static_cast<int>(body->position().x), static_cast<int>(body->position().y)};
}

}  // namespace

ReachReport checkReach(const LevelLayout &level)
{
    ReachReport report;
    if (level.starts.empty())
        return report;
    // Blood counts as air and zombies are left out, so no game event or
    // random draw comes of the moves.
    const auto ground = std::make_unique<Ground>(level.picture);
    const Place start = settle(*ground, Place{level.starts[0].x, level.starts[0].y - 13});

    std::map<Place, std::set<Place>> edges;
    std::set<Place> doorPlaces;
    std::set<std::size_t> gems;
    std::queue<Place> open;
    open.push(start);
    edges[start];
    const int runUps[] = {0, 3, 6, 12};
    const int airHolds[] = {0, 4, 8, 14, kMaxAirSteps};
    while (!open.empty()) {
        const Place place = open.front();
        open.pop();
        for (int direction = -1; direction <= 1; ++direction)
            for (int runUp : runUps)
                for (bool jump : {false, true})
                    for (int airHold : airHolds) {
                        if ((direction == 0 && (runUp > 0 || airHold > 0)) || (!jump && airHold != 0))
                            continue;
                        const MoveResult move = tryMove(*ground, level, place, direction, runUp, jump, airHold);
                        gems.insert(move.gems.begin(), move.gems.end());
                        if (move.door)
                            doorPlaces.insert(place);
                        edges[place].insert(move.end);
                        if (edges.find(move.end) == edges.end()) {
                            edges[move.end];
                            open.push(move.end);
                        }
                    }
    }
    report.restingPlaces = static_cast<int>(edges.size());
    for (std::size_t i = 0; i < level.collectables.size(); ++i)
        if (!gems.count(i))
            report.missedGems.push_back(level.collectables[i]);

    // Walk the moves backwards from the places that reach the door.
    std::map<Place, std::vector<Place>> reverse;
    for (const auto &[from, targets] : edges)
        for (const Place &to : targets)
            reverse[to].push_back(from);
    std::set<Place> canFinish(doorPlaces.begin(), doorPlaces.end());
    std::queue<Place> back;
    for (const Place &place : doorPlaces)
        back.push(place);
    while (!back.empty()) {
        const Place place = back.front();
        back.pop();
        for (const Place &from : reverse[place])
            if (canFinish.insert(from).second)
                back.push(from);
    }
    report.doorReached = canFinish.count(start) > 0;
    for (const auto &[place, targets] : edges)
        if (!canFinish.count(place))
            report.trappedPlaces.push_back(LevelPoint{place.first, place.second});
    return report;
}
