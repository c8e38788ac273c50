#include "assets/draw/Grid.h"

namespace {

// One pass of a running-sum box blur along rows (horizontal) or columns.
enum class Direction
{
    Horizontal,
    Vertical
};

Field boxBlur(const Field& source, int radius, Direction direction)
{
    Field result(source.width(), source.height());
    const bool horizontal = direction == Direction::Horizontal;
    const int lines = horizontal ? source.height() : source.width();
    const int length = horizontal ? source.width() : source.height();
    const auto read = [&](int line, int i) {
        return horizontal ? source.clamped(i, line) : source.clamped(line, i);
    };
    const float scale = 1.0f / float(2 * radius + 1);
    for (int line = 0; line < lines; ++line) {
        // Doubles keep the running sum from drifting over long rows.
        double sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += read(line, i);
        for (int i = 0; i < length; ++i) {
            (horizontal ? result.at(i, line) : result.at(line, i)) = float(sum) * scale;
            sum += read(line, i + radius + 1) - read(line, i - radius);
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
        result = boxBlur(result, passRadius, Direction::Horizontal);
        result = boxBlur(result, passRadius, Direction::Vertical);
    }
    return result;
}
