#include "reach_check.h"

#include <cmath>
#include <map>
#include <queue>
#include <set>

namespace {

constexpr float kStep = 0.75f;
constexpr int kMaxAirSteps = 240;

struct Body {
    float x = 0.0f;
    float y = 0.0f;
    float vx = 0.0f;
    float vy = 0.0f;
    bool onGround = false;
};

class Mover {
public:
    explicit Mover(const Picture &cells) : cells(cells) {}

    bool solid(int x, int y) const { return cells.at(x, y) == kLevelGround; }

    // One update: run keys, then the move through the ground.
    void step(Body &b, int direction) const
    {
        if (direction != 0) {
            b.vx += 0.6f * kStep * static_cast<float>(direction);
            b.vx = std::fmax(-4.0f, std::fmin(4.0f, b.vx));
        } else if (b.vx > 0.0f) {
            b.vx = std::fmax(0.0f, b.vx - kStep * 0.3f);
        } else if (b.vx < 0.0f) {
            b.vx = std::fmin(0.0f, b.vx + kStep * 0.3f);
        }
        move(b);
        if (b.vy > 7.0f)
            b.vy = 7.0f;
    }

private:
    void move(Body &b) const
    {
        const float ox = b.x;
        const float oy = b.y;
        float nx = ox + kStep * b.vx;
        if (b.vx < 0.0f && nx < 2.0f) {
            nx = 2.0f;
            b.vx = 0.0f;
        }
        if (b.vx > 0.0f && nx + 4.0f > 254.0f) {
            nx = 250.0f;
            b.vx = 0.0f;
        }
        // Walls, over the top 10 rows of the body only.
        if (nx > ox) {
            for (int c = static_cast<int>(ox + 4.0f); static_cast<float>(c) < nx + 4.0f; ++c)
                if (columnHit(c, oy, oy + 10.0f)) {
                    nx = static_cast<float>(c - 4);
                    b.vx = 0.0f;
                    break;
                }
        } else if (nx < ox) {
            for (int c = static_cast<int>(ox - 1.0f); static_cast<float>(c) >= nx - 1.0f; --c)
                if (columnHit(c, oy, oy + 10.0f)) {
                    nx = static_cast<float>(c + 1);
                    b.vx = 0.0f;
                    break;
                }
        }
        float ny = oy + kStep * b.vy;
        if (b.vy > 0.0f) {
            bool landed = false;
            if (ny + 13.0f > 254.0f) {
                ny = 241.0f;
                b.vy = 1.0f;
                landed = true;
            }
            for (int r = static_cast<int>(oy + 13.0f); !landed && static_cast<float>(r) < ny + 13.5f; ++r)
                if (rowHit(r, nx, nx + 3.0f)) {
                    ny = static_cast<float>(r - 13);
                    b.vy = 0.1f;
                    landed = true;
                }
            b.onGround = landed;
            if (!landed)
                b.vy += kStep * 0.5f;
        } else {
            if (b.vy < 0.0f) {
                if (ny < 1.0f) {
                    ny = 1.0f;
                    b.vy = 0.0f;
                }
                for (int r = static_cast<int>(oy); static_cast<float>(r) >= ny; --r)
                    if (rowHit(r, nx, nx + 3.0f)) {
                        ny = static_cast<float>(r + 1);
                        b.vy = 0.0f;
                        break;
                    }
            }
            b.vy += 0.375f;
            b.onGround = false;
        }
        b.x = nx;
        b.y = ny;
    }

    bool columnHit(int c, float top, float bottom) const
    {
        for (int r = static_cast<int>(top); static_cast<float>(r) < bottom; ++r)
            if (solid(c, r))
                return true;
        return false;
    }

    bool rowHit(int r, float left, float right) const
    {
        for (int c = static_cast<int>(left); static_cast<float>(c) < right; ++c)
            if (solid(c, r))
                return true;
        return false;
    }

    const Picture &cells;
};

using Place = std::pair<int, int>;

struct MoveResult {
    Place end;
    std::vector<std::size_t> gems;
    bool door = false;
};

// One scripted move from rest: hold direction for runUp ground steps, jump
// or not, keep the direction for airHold steps in the air, then let go and
// wait until the body rests.
MoveResult tryMove(const Mover &mover, const LevelLayout &level, Place from, int direction, int runUp, bool jump,
                   int airHold)
{
    Body b;
    b.x = static_cast<float>(from.first);
    b.y = static_cast<float>(from.second);
    b.vy = 0.1f;
    b.onGround = true;
    MoveResult result;
    auto look = [&] {
        const float cx = b.x + 2.0f;
        const float cy = b.y + 6.5f;
        for (std::size_t i = 0; i < level.collectables.size(); ++i) {
            const float dx = static_cast<float>(level.collectables[i].x) - cx;
            const float dy = static_cast<float>(level.collectables[i].y) - cy;
            if (dx * dx + dy * dy < 100.0f)
                result.gems.push_back(i);
        }
        for (const LevelPoint &door : level.doors)
            if (cx >= static_cast<float>(door.x) && cx < static_cast<float>(door.x + 13) &&
                cy >= static_cast<float>(door.y) && cy < static_cast<float>(door.y + 21))
                result.door = true;
    };
    for (int i = 0; i < runUp; ++i) {
        mover.step(b, direction);
        look();
    }
    if (jump && b.onGround) {
        b.vy -= 7.0f;
        b.onGround = false;
    }
    int held = 0;
    for (int i = 0; i < kMaxAirSteps; ++i) {
        const bool holding = held < airHold;
        mover.step(b, holding ? direction : 0);
        look();
        if (!b.onGround)
            ++held;
        if (b.onGround && !holding && b.vx == 0.0f)
            break;
    }
    result.end = Place{static_cast<int>(b.x), static_cast<int>(b.y)};
    return result;
}

// The body at rest where it lands when dropped from the start marker.
Place settle(const Mover &mover, Place start)
{
    Body b;
    b.x = static_cast<float>(start.first);
    b.y = static_cast<float>(start.second);
    for (int i = 0; i < kMaxAirSteps && !b.onGround; ++i)
        mover.step(b, 0);
    return Place{static_cast<int>(b.x), static_cast<int>(b.y)};
}

}  // namespace

ReachReport checkReach(const LevelLayout &level)
{
    ReachReport report;
    if (level.starts.empty())
        return report;
    const Mover mover(level.picture);
    const Place start = settle(mover, Place{level.starts[0].x, level.starts[0].y - 13});

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
                        const MoveResult move = tryMove(mover, level, place, direction, runUp, jump, airHold);
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
