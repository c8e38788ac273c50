#pragma once

#include "layout/Element.h"

#include <QImage>
#include <QTextStream>
#include <span>

// Writes what the end-to-end scripts need to know about the skin and the element table as
// shell assignments, so that no script hard-codes a coordinate of the artwork:
//   skin_width, skin_height, nonkey_pixels   sizes and the count of pixels the window keeps
//   key_corners                               the corners of the skin that are cut away, "x,y ..."
//   palette_N                                 "x y": a tray pixel that picks colour N (2 to 7)
//   bare_skin                                 "x y": a pixel where no element takes a press
//   elem_NAME, elem_NAME_INDEX                "x y width height" of every element
void writeSkinFacts(const QImage& skin, std::span<const Element> elements, QTextStream& out);

// The shell name of an element: its name, with "_" and its index for an array member.
QString elementLabel(const Element& element);
