// Random numbers: the C library's rand() sequence for integer choices and a
// Park-Miller generator for floats. Tests seed both through seedRandom.
#pragma once

// The integer generator: exactly the sequence of the C library's rand()
// after srand() with the same seed (and seed 1 before any seeding), but on a
// state of its own, without the lock rand() takes on every call. Every
// integer draw of the game goes through these two.
void seedIntegerGenerator(unsigned int value);
// Next value in [0, RAND_MAX], as rand() would give it.
int nextRandomInteger();

// Seeds the integer generator and the float generator with the same value.
void seedRandom(unsigned int value);
// Seeds both from the current time, as start-up does.
void seedRandomFromTime();
// Puts both generators back to their state at program start (for tests).
void resetRandom();

// Next value of the Park-Miller generator, in (0, 1].
double randomUnit();
// a + randomUnit() * (b - a).
float randomFloat(float a, float b);
// Integer in [a, b] from the integer generator.
int randomInt(int a, int b);
// Integer in [a, b) from the integer generator.
int randomIntBelow(int a, int b);
