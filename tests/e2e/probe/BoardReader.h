#pragma once

#include "layout/Element.h"

#include <QImage>
#include <QString>
#include <span>
#include <vector>

struct PegReading
{
    QString label;
    // The colour number whose peg picture is seen, 0 for none, -1 when no picture explains
    // what is seen there.
    int colour;
};

// Reads which peg picture every peg display, key place and code peg shows in a picture of the
// window (the skin's size, taken on the screen). Each is judged only on its pixels that no
// neighbouring display overlaps and that the window keeps, so the reading depends neither on
// the order in which pictures are drawn nor on what the cut-away parts show.
std::vector<PegReading> readBoard(const QImage& window, const QImage& skin,
                                  std::span<const Element> elements);
