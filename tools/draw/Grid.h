#pragma once

#include <QSize>
#include <algorithm>
#include <vector>

// A linear colour with channels from 0 (none) to 1 (full); values above 1 are clipped only when
// the picture is stored, so highlights can add up first.
struct Rgb
{
    float r = 0;
    float g = 0;
    float b = 0;

    friend Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
    friend Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
    friend Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
};

inline Rgb rgb8(int r, int g, int b)
{
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

inline Rgb mix(Rgb a, Rgb b, float t)
{
    return a * (1 - t) + b * t;
}

// One value per pixel of a picture, stored row by row.
template <typename T> class Grid
{
public:
    Grid() = default;
    Grid(int width, int height, T fill = {})
        : m_width(width), m_height(height), m_cells(std::size_t(width) * height, fill)
    {}

    int width() const { return m_width; }
    int height() const { return m_height; }
    QSize size() const { return {m_width, m_height}; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    T& at(int x, int y) { return m_cells[std::size_t(y) * m_width + x]; }
    const T& at(int x, int y) const { return m_cells[std::size_t(y) * m_width + x]; }
    // Reads beyond the border repeat the nearest edge value.
    const T& clamped(int x, int y) const
    {
        return at(std::clamp(x, 0, m_width - 1), std::clamp(y, 0, m_height - 1));
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<T> m_cells;
};

using Field = Grid<float>;

// Three box blurs in a row come close to a Gaussian of the given radius at a fraction of its cost.
Field blurred(const Field& field, int radius);
