#pragma once

#include "tools/draw/PegSolid.h"
#include "tools/draw/Surface.h"

#include <QPointF>
#include <vector>

// The open box of loose pegs, lying turned by about 45 degrees beside the board: a rectangle
// given by three of its corners, with a flat rim, rounded walls and a floor.
class Tray
{
public:
    // Where the walls are: from the outer edge inwards, distances in skin pixels.
    static constexpr float outerBevel = 2.5f;
    static constexpr float rimWidth = 6.5f;
    static constexpr float floorStart = 12.0f;
    static constexpr float rimHeight = 16.0f;
    static constexpr float floorHeight = 4.0f;

    Tray();

    // How far a point lies inside the outer edge; negative outside.
    float depthInside(QPointF point) const;
    // A point of the tray from its position along the long side and across it, both 0 to 1.
    QPointF pointAt(float along, float across) const;

    // Lays the tray's relief into the surface.
    void build(Surface& surface) const;

private:
    QPointF m_top;
    QPointF m_alongEdge;  // from the top corner to the right corner
    QPointF m_acrossEdge; // from the right corner to the bottom corner
    float m_length;
    float m_width;
};

// A peg of the heap with its colour number.
struct LoosePeg
{
    PegSolid solid;
    int colour;
};

// Heaps loose pegs of every colour into the tray, each lying on what lies under it, and returns
// them in the order laid: the surface marks its samples of the peg at index i with i + 1.
std::vector<LoosePeg> heapPegs(Surface& surface, const Tray& tray);
// Lays a heap into another surface of the same tray, as heapPegs laid it.
void layPegs(Surface& surface, const std::vector<LoosePeg>& heap);
