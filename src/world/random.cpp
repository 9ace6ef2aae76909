#include "world/random.h"

#include <cstdint>
#include <ctime>

namespace {

// The integer generator is the additive feedback generator behind the C
// library's rand(): each output is the sum of the values drawn 31 and 3
// places earlier, halved. Kept here rather than called through random_r so
// that the blood rules' many draws cost a few instructions each.
struct AdditiveGenerator {
    static constexpr int kDegree = 31;
    static constexpr int kSeparation = 3;
    std::uint32_t table[kDegree] = {};
    int front = kSeparation;  // index of the value that receives the sum
    int rear = 0;             // index of the value added to it
    bool seeded = false;
};
AdditiveGenerator integerState;

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
    AdditiveGenerator &g = integerState;
    // The table starts from the minimal standard generator (Schrage's
    // decomposition keeps 16807 * word inside 32 bits); seed 0 acts as 1.
    std::int32_t word = value == 0 ? 1 : static_cast<std::int32_t>(value);
    g.table[0] = static_cast<std::uint32_t>(word);
    for (int i = 1; i < AdditiveGenerator::kDegree; ++i) {
        const std::int32_t hi = word / 127773;
        const std::int32_t lo = word % 127773;
        word = 16807 * lo - 2836 * hi;
        if (word < 0) {
            word += static_cast<std::int32_t>(kModulus);
        }
        g.table[i] = static_cast<std::uint32_t>(word);
    }
    g.front = AdditiveGenerator::kSeparation;
    g.rear = 0;
    g.seeded = true;
    // The first 310 values are thrown away, as the C library does.
    for (int i = 0; i < 10 * AdditiveGenerator::kDegree; ++i) {
        nextRandomInteger();
    }
}

int nextRandomInteger()
{
    AdditiveGenerator &g = integerState;
    if (!g.seeded) {
        seedIntegerGenerator(1);
    }
    const std::uint32_t sum = g.table[g.front] + g.table[g.rear];
    g.table[g.front] = sum;
    if (++g.front == AdditiveGenerator::kDegree) {
        g.front = 0;
    }
    if (++g.rear == AdditiveGenerator::kDegree) {
        g.rear = 0;
    }
    return static_cast<int>(sum >> 1);
}

void seedRandom(unsigned int value)
{
    applySeed(value);
    reseedPending = true;
}

void resetRandom()
{
    integerState = AdditiveGenerator();
    seed = 1.0;
    lastSeedValue = 1;
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
