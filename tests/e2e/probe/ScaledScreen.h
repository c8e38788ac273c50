#pragma once

#include "layout/Element.h"

#include <QImage>
#include <QTextStream>
#include <span>
#include <vector>

// The skin on a screen scaled by a factor: the device pixels that show skin pixel x are those
// whose centre lies in x's scaled extent, an exact tie going to the skin pixel before.
class ScaledSkin
{
public:
    ScaledSkin(const QImage& skin, double scale);

    int firstDevicePixel(int x) const;
    int lastDevicePixel(int x) const;
    // The window's size in device pixels.
    QSize deviceSize() const;
    // The skin pixel shown at a device pixel of the window.
    QPoint skinPixelAt(QPoint device) const;

private:
    QImage m_skin;
    double m_scale;
};

// Shell assignments for a test on a scaled screen, all in device pixels from the window's
// top-left corner:
//   device_width, device_height    the window's size
//   deep_N                         "x y": the middle of the deepest tray point of colour N
//   edge_N                         "x y": the first or last device pixel of a tray pixel of
//                                  colour N, chosen so that rounding the position, or flooring
//                                  it without following Qt's painting, reads another colour
//   bare_device                    "x y": a point of bare skin
//   centre_LABEL, box_LABEL        "x y" and "x y width height" of every element
//   peg_device_size                the device size of a peg of the board
void writeScaledFacts(const QImage& skin, std::span<const Element> elements, double scale,
                      QTextStream& out);

// Compares the window's X shape (rectangles in device pixels) and a picture of it on the
// screen with the skin at the scale: the shape holds exactly the device pixels that show a
// non-key skin pixel, the background shows exactly outside the shape and nowhere inside it, and
// inside it the picture is the skin drawn at twice the size: as it is at scale 2, averaged over
// each device pixel at other scales.
bool checkScaledWindow(const QImage& window, const QImage& skin, const QImage& largeSkin,
                       double scale, QRgb background, const std::vector<QRect>& shape,
                       QTextStream& out);

// Whether the About dialog's description, seen in a picture of the dialog's inner area on a
// screen scaled by the factor, shows text and keeps it off the bottom rows of its box, where a
// text too long for the box would be cut through.
bool checkAboutText(const QImage& dialog, double scale, QTextStream& out);

// Prints "count width height": how many pixels of an area of a picture have a peg colour
// (2 to 7, as the tray's pixels are told apart), and the size of the box round them.
void writeColourExtent(const QImage& shot, QRect area, int colour, QTextStream& out);
