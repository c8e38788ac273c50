#pragma once

class Platform;

// The seed of the game's random numbers: the time of day. Builds with the test hooks take the
// number in VORE_RANDOM_SEED instead when it is set, so that every game hides the same code and
// a picture of one comes out the same each time it is taken.
double randomSeed(const Platform& platform);
