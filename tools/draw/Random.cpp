#include "tools/draw/Random.h"

#include <algorithm>
#include <cmath>

ValueNoise::ValueNoise(std::uint32_t seed, float cell, int width, int height)
    : m_cell(cell), m_columns(int(float(width) / cell) + 3), m_rows(int(float(height) / cell) + 3)
{
    Random random(seed);
    m_lattice.resize(std::size_t(m_columns) * m_rows);
    for (float& value : m_lattice)
        value = random.between(-1, 1);
}

float ValueNoise::at(float x, float y) const
{
    const float u = std::max(0.0f, x / m_cell);
    const float v = std::max(0.0f, y / m_cell);
    const int column = std::min(int(u), m_columns - 2);
    const int row = std::min(int(v), m_rows - 2);
    const auto smooth = [](float t) { return t * t * (3 - 2 * t); };
    const float fu = smooth(std::min(1.0f, u - float(column)));
    const float fv = smooth(std::min(1.0f, v - float(row)));
    const auto lattice = [&](int c, int r) { return m_lattice[std::size_t(r) * m_columns + c]; };
    const float top = lattice(column, row) * (1 - fu) + lattice(column + 1, row) * fu;
    const float bottom = lattice(column, row + 1) * (1 - fu) + lattice(column + 1, row + 1) * fu;
    return top * (1 - fv) + bottom * fv;
}
