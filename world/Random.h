#pragma once
// The random numbers of the game, from two generators of our own (splitmix64, whose output is
// exactly specified, so that a seed gives the same numbers in every build and on every
// platform). The world generator decides a game's course: a new game seeds it with
// seedRandom (the seed is chosen with freshSeed and recorded), and only the world may draw
// from it. Unseeded, it starts as seedRandom(0) would: it never seeds itself.
// The presentation generator serves what is chosen outside a game's course (the menu's sky,
// the music piece) and is seeded once from std::random_device; its draws never move the
// world's sequence.
// Every draw takes 15 bits, the range the formulas were made for: randomDouble gives one of
// 32768 evenly spaced values.
#include <cstdint>

#include "scene/Vector.h"

// A value in [a, b]; a > b reverses the range.
double randomDouble(double a, double b);
// A value in a..b inclusive; an empty range (b < a) gives a.
int randomInt(int a, int b);
// Three draws of randomDouble(low, high): x, then y, then z.
Vector randomBoxVector(double low, double high);
// Restarts the world's sequence at `seed`.
void seedRandom(std::uint32_t seed);
// A seed for a new game from std::random_device; it draws nothing from either generator.
std::uint32_t freshSeed();

// As randomDouble and randomInt, on the presentation generator.
double presentationRandomDouble(double a, double b);
int presentationRandomInt(int a, int b);
