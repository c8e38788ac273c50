#pragma once

#include <cstdint>
#include <random>
#include <vector>

// Seeded random numbers that come out the same with every standard library: the engine's
// sequence is fixed by the standard, the distributions are not, so the mapping to a range is ours.
class Random
{
public:
    explicit Random(std::uint32_t seed) : m_engine(seed) {}

    // Uniform in [0, 1).
    float unit() { return float(m_engine() >> 8) * (1.0f / 16777216.0f); }
    float between(float low, float high) { return low + (high - low) * unit(); }
    // Uniform over low .. high inclusive.
    int integer(int low, int high) { return low + int(unit() * float(high - low + 1)); }

private:
    std::mt19937 m_engine;
};

// Smooth random values over the plane: a lattice of random numbers, one every cell, blended
// with a smooth step between them. Sums of several cell sizes give mottled plastic.
class ValueNoise
{
public:
    ValueNoise(std::uint32_t seed, float cell, int width, int height);

    // About -1 to 1 at (x, y); any point inside the size given at construction.
    float at(float x, float y) const;

private:
    float m_cell;
    int m_columns;
    int m_rows;
    std::vector<float> m_lattice;
};
