// The generator's repeatable random numbers (xorshift): the same seed gives
// the same sequence on every machine, so generated files never change.
#pragma once

#include <cstdint>

class SeededRandom {
public:
    explicit SeededRandom(std::uint32_t seed);
    std::uint32_t next();
    int below(int limit);            // 0 .. limit - 1
    int between(int low, int high);  // low .. high inclusive
    double unit();                   // 0 .. 1, 1 excluded

private:
    std::uint32_t state;
};
