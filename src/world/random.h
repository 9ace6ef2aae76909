// Random numbers: the C library generator for integer choices and a
// Park-Miller generator for floats. Tests seed both through seedRandom.
#pragma once

// Seeds rand() and the float generator with the same value.
void seedRandom(unsigned int value);
// Seeds both from the current time, as start-up does.
void seedRandomFromTime();

// Next value of the Park-Miller generator, in (0, 1].
double randomUnit();
// a + randomUnit() * (b - a).
float randomFloat(float a, float b);
// Integer in [a, b] from rand().
int randomInt(int a, int b);
// Integer in [a, b) from rand().
int randomIntBelow(int a, int b);
