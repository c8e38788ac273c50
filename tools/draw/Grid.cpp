#include "tools/draw/Grid.h"

namespace {

// One pass of a running-sum box blur along each row.
Field blurRows(const Field& source, int radius)
{
    Field result(source.width(), source.height());
    const float scale = 1.0f / float(2 * radius + 1);
    for (int y = 0; y < source.height(); ++y) {
        // Doubles keep the running sum from drifting over long rows.
        double sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += source.clamped(i, y);
        for (int x = 0; x < source.width(); ++x) {
            result.at(x, y) = float(sum) * scale;
            sum += source.clamped(x + radius + 1, y) - source.clamped(x - radius, y);
        }
    }
    return result;
}

// The same along each column, keeping the running sums of all columns at once so that the
// field is read row by row, as it lies in memory.
Field blurColumns(const Field& source, int radius)
{
    Field result(source.width(), source.height());
    const float scale = 1.0f / float(2 * radius + 1);
    const int width = source.width();
    std::vector<double> sums(std::size_t(width), 0.0);
    for (int i = -radius; i <= radius; ++i) {
        for (int x = 0; x < width; ++x)
            sums[std::size_t(x)] += source.clamped(x, i);
    }
    for (int y = 0; y < source.height(); ++y) {
        const int entering = std::min(y + radius + 1, source.height() - 1);
        const int leaving = std::max(y - radius, 0);
        for (int x = 0; x < width; ++x) {
            double& sum = sums[std::size_t(x)];
            result.at(x, y) = float(sum) * scale;
            sum += source.at(x, entering) - source.at(x, leaving);
        }
    }
    return result;
}

} // namespace

Field blurred(const Field& field, int radius)
{
    if (radius <= 0)
        return field;
    // Three passes of a third of the radius each spread about as far as one Gaussian.
    const int passRadius = std::max(1, (radius + 1) / 2);
    Field result = field;
    for (int pass = 0; pass < 3; ++pass) {
        result = blurRows(result, passRadius);
        result = blurColumns(result, passRadius);
    }
    return result;
}
