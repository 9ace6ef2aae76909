#include "world/random.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace {

// glibc's random_r on a 128-byte state is the TYPE_3 additive generator
// that rand() and srand() use, so the sequences are the same.
constexpr std::size_t kIntegerStateBytes = 128;
char integerStateBuffer[kIntegerStateBytes] = {};
random_data integerState{};
bool integerStateReady = false;

constexpr long long kModulus = 2147483647;
double seed = 1.0;
unsigned int lastSeedValue = 1;
// The first randomInt call seeds once more, with the value of the last seeding.
bool reseedPending = true;

void applySeed(unsigned int value)
{
    seedIntegerGenerator(value);
    // The generator is stuck at 0 for a seed of 0 (mod 2^31 - 1), so such a
    // seed is moved to 1: randomUnit must never return 0.
    long long s = static_cast<long long>(value) % kModulus;
    if (s == 0) {
        s = 1;
    }
    seed = static_cast<double>(s);
    lastSeedValue = value;
}

}  // namespace

void seedIntegerGenerator(unsigned int value)
{
    if (!integerStateReady) {
        initstate_r(value, integerStateBuffer, kIntegerStateBytes, &integerState);
        integerStateReady = true;
        return;
    }
    srandom_r(value, &integerState);
}

int nextRandomInteger()
{
    if (!integerStateReady) {
        seedIntegerGenerator(1);
    }
    std::int32_t value = 0;
    random_r(&integerState, &value);
    return value;
}

void seedRandom(unsigned int value)
{
    applySeed(value);
    reseedPending = true;
}

void seedRandomFromTime()
{
    seedRandom(static_cast<unsigned int>(std::time(nullptr)));
}

double randomUnit()
{
    // Park and Miller's minimal standard generator with Schrage's
    // decomposition, so 16807 * s never overflows 32 bits.
    const long long s = static_cast<long long>(seed);
    const long long hi = s / 127773;
    const long long lo = s - hi * 127773;
    long long t = 16807 * lo - 2836 * hi;
    if (t <= 0) {
        t += kModulus;
    }
    seed = static_cast<double>(t);
    return static_cast<double>(t) * 4.656612875e-10;
}

float randomFloat(float a, float b)
{
    return static_cast<float>(a + randomUnit() * (b - a));
}

int randomInt(int a, int b)
{
    if (reseedPending) {
        applySeed(lastSeedValue);
        reseedPending = false;
    }
    const int span = b - a + 1;
    if (span <= 0) {
        return a;
    }
    return a + nextRandomInteger() % span;
}

int randomIntBelow(int a, int b)
{
    const int span = b - a;
    if (span <= 0) {
        return a;
    }
    return a + nextRandomInteger() % span;
}
