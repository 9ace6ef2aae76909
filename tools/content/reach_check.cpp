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
constexpr float kLeap = -5.95f;  // W held as the body leaves deep blood
constexpr int kWorld = 256;
constexpr int kSwimDepth = 13;

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
                   int airHold, float leap = 0.0f)
{
    const std::unique_ptr<Player> body = ground.body(from.first, from.second, leap == 0.0f);
    Player &b = *body;
    if (leap < 0.0f)
        b.setVelocity(Vec2(0.0f, leap));
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

// Blood deep enough to swim in: the blood of the picture and the pools the
// level declares, split into connected bodies.
struct Pools {
    std::vector<int> component;  // per cell: the body it belongs to, or -1
    int count = 0;
    std::vector<std::vector<Place>> launches;  // per body: where a leap leaves the surface

    int at(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= kWorld || y >= kWorld)
            return -1;
        return component[static_cast<std::size_t>(y * kWorld + x)];
    }
};

Pools findPools(const LevelLayout &level)
{
    Pools pools;
    std::vector<bool> liquid(kWorld * kWorld, false);
    for (int y = 0; y < kWorld; ++y)
        for (int x = 0; x < kWorld; ++x)
            liquid[static_cast<std::size_t>(y * kWorld + x)] = level.picture.at(x, y) == kLevelBlood;
    for (const LevelArea &area : level.pools)
        for (int y = area.y; y < area.y + area.h; ++y)
            for (int x = area.x; x < area.x + area.w; ++x)
                if (level.picture.at(x, y) != kLevelGround)
                    liquid[static_cast<std::size_t>(y * kWorld + x)] = true;
    pools.component.assign(liquid.size(), -1);
    for (std::size_t seed = 0; seed < liquid.size(); ++seed) {
        if (!liquid[seed] || pools.component[seed] >= 0)
            continue;
        const int id = pools.count++;
        std::vector<std::size_t> stack{seed};
        pools.component[seed] = id;
        while (!stack.empty()) {
            const std::size_t cell = stack.back();
            stack.pop_back();
            const int x = static_cast<int>(cell % kWorld);
            const int y = static_cast<int>(cell / kWorld);
            const int nx[] = {x - 1, x + 1, x, x};
            const int ny[] = {y, y, y - 1, y + 1};
            for (int k = 0; k < 4; ++k) {
                if (nx[k] < 0 || ny[k] < 0 || nx[k] >= kWorld || ny[k] >= kWorld)
                    continue;
                const std::size_t next = static_cast<std::size_t>(ny[k] * kWorld + nx[k]);
                if (liquid[next] && pools.component[next] < 0) {
                    pools.component[next] = id;
                    stack.push_back(next);
                }
            }
        }
    }
    // A leap leaves where the four columns of the body stand in blood at
    // least 13 deep: the body's top row is just out of it.
    pools.launches.resize(static_cast<std::size_t>(pools.count));
    for (int x = 0; x + 3 < kWorld; ++x)
        for (int y = 1; y + kSwimDepth < kWorld; ++y) {
            const int id = pools.at(x, y);
            if (id < 0 || pools.at(x, y - 1) == id)
                continue;
            bool deep = true;
            for (int c = x; c < x + 4 && deep; ++c)
                for (int r = y; r < y + kSwimDepth && deep; ++r)
                    deep = pools.at(c, r) == id;
            if (deep)
                pools.launches[static_cast<std::size_t>(id)].push_back(Place{x, y - 1});
        }
    return pools;
}

// The swimmable body the resting body at this place is in, or -1.
int poolAt(const Pools &pools, Place place)
{
    for (int r = place.second; r < place.second + 13; ++r)
        for (int c = place.first; c < place.first + 4; ++c) {
            const int id = pools.at(c, r);
            if (id >= 0 && !pools.launches[static_cast<std::size_t>(id)].empty())
                return id;
        }
    return -1;
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
    const Pools pools = findPools(level);
    // A swimmable body of blood is one node: once in it the body can swim
    // anywhere in it and take its gems, and it leaves by leaping from the
    // surface with W held (the mower's push is left out).
    auto poolNode = [](int id) { return Place{-1 - id, -1}; };
    while (!open.empty()) {
        const Place place = open.front();
        open.pop();
        if (place.first < 0) {
            const int id = -1 - place.first;
            for (std::size_t i = 0; i < level.collectables.size(); ++i) {
                const LevelPoint gem = level.collectables[i];
                for (int r = gem.y - 4; r <= gem.y + 4; ++r)
                    for (int c = gem.x - 4; c <= gem.x + 4; ++c)
                        if (pools.at(c, r) == id)
                            gems.insert(i);
            }
            for (const Place &launch : pools.launches[static_cast<std::size_t>(id)])
                for (int direction = -1; direction <= 1; ++direction)
                    for (int airHold : airHolds) {
                        if (direction == 0 && airHold > 0)
                            continue;
                        const MoveResult move =
                            tryMove(*ground, level, launch, direction, 0, false, airHold, kLeap);
                        gems.insert(move.gems.begin(), move.gems.end());
                        if (move.door)
                            doorPlaces.insert(place);
                        const Place end = poolAt(pools, move.end) == id ? place : move.end;
                        edges[place].insert(end);
                        if (edges.find(end) == edges.end()) {
                            edges[end];
                            open.push(end);
                        }
                    }
            continue;
        }
        const int pool = poolAt(pools, place);
        if (pool >= 0) {
            const Place node = poolNode(pool);
            edges[place].insert(node);
            if (edges.find(node) == edges.end()) {
                edges[node];
                open.push(node);
            }
        }
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
    report.restingPlaces = 0;
    for (const auto &[place, targets] : edges)
        report.restingPlaces += place.first >= 0 ? 1 : 0;
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
        if (place.first >= 0 && !canFinish.count(place))
            report.trappedPlaces.push_back(LevelPoint{place.first, place.second});
    return report;
}
