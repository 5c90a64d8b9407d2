#pragma once
// The game world's random numbers, on the C library's rand(). The first call seeds it from
// the clock (and stirs the seed a hundred times); tests that need repeatable worlds call
// seedRandom first.

// A value in [a, b]; a > b reverses the range.
double randomDouble(double a, double b);
// A value in a..b inclusive.
int randomInt(int a, int b);
// Seeds the generator with a fixed value (no clock seeding afterwards).
void seedRandom(unsigned seed);
