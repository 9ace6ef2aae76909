#include "seeded_random.h"

SeededRandom::SeededRandom(std::uint32_t seed) : state(seed * 2654435761u + 0x9E3779B9u)
{
    if (state == 0)
        state = 1;
}

std::uint32_t SeededRandom::next()
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

int SeededRandom::below(int limit)
{
    return limit <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint32_t>(limit));
}

int SeededRandom::between(int low, int high)
{
    return low + below(high - low + 1);
}

double SeededRandom::unit()
{
    return static_cast<double>(next()) / 4294967296.0;
}
