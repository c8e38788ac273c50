#include "Clearance.h"

#include <algorithm>
#include <vector>

std::optional<QPoint> deepestPoint(QSize size, const std::function<bool(QPoint)>& inArea)
{
    const int width = size.width();
    const int height = size.height();
    // Chessboard distance to the nearest point outside the area, in two passes.
    std::vector<int> depth(static_cast<std::size_t>(width) * height, 0);
    const auto at = [&](int x, int y) -> int {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return 0;
        return depth[static_cast<std::size_t>(y) * width + x];
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!inArea(QPoint(x, y)))
                continue;
            depth[static_cast<std::size_t>(y) * width + x] =
                1 + std::min({at(x - 1, y), at(x - 1, y - 1), at(x, y - 1), at(x + 1, y - 1)});
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = width - 1; x >= 0; --x) {
            int& here = depth[static_cast<std::size_t>(y) * width + x];
            if (here == 0)
                continue;
            here = std::min(here, 1 + std::min({at(x + 1, y), at(x + 1, y + 1), at(x, y + 1),
                                                at(x - 1, y + 1)}));
        }
    }

    std::optional<QPoint> best;
    int bestDepth = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (at(x, y) > bestDepth) {
                bestDepth = at(x, y);
                best = QPoint(x, y);
            }
        }
    }
    return best;
}
