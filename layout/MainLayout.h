#pragma once

#include "layout/Element.h"

#include <QPoint>
#include <QSize>
#include <optional>
#include <span>
#include <vector>

namespace MainLayout {

inline constexpr QSize skinSize{449, 563};
inline constexpr int twipsPerPixel = 15;

// Every element of the main window in its state at the start of a game.
std::vector<Element> createElements();

// The element that takes a press at a skin point: enabled, visible and under the point. Where
// several qualify (neighbouring palette strips share a column) the first in table order wins.
// No element means the skin itself takes the press.
std::optional<std::size_t> elementAt(std::span<const Element> elements, QPoint point);

} // namespace MainLayout
