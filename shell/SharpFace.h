#pragma once

#include <QImage>
#include <span>
#include <vector>

class QPainter;
class QRegion;

// The window's face for a screen whose device pixel ratio is above 1, painted from the skin
// drawn at twice the size: as it is at ratio 2, brought smoothly to the screen's size at other
// ratios. Its outline is that of the plain face, device pixel for device pixel as Qt scales the
// window's shape, so no pixel of the shape is left unpainted and none beside it painted: every
// device pixel over a kept skin pixel is opaque, every other one fully transparent.
//
// It is painted straight from the large face's stored runs into the image the window paints on,
// with no copy of the face at either size in between: such a copy would cost its megabytes
// afresh on every start, and the faulting in of that memory more than making it. The tables
// that map device pixels to the pictures' pixels are made once, so repainting a peg's hole costs
// only that hole's pixels.
class SharpFace
{
public:
    SharpFace(const QImage& face, qreal ratio);

    qreal ratio() const { return m_ratio; }
    // The whole face as an image of its own, carrying the ratio.
    QImage image();
    // Paints the face for the device pixels that the painter may change, straight into the
    // image it draws on, where it draws on an image of the face's size at the ratio with no
    // offset, as it does on a top-level window's backing store. False, with nothing painted,
    // where the painter draws elsewhere.
    [[nodiscard]] bool paintInPlace(QPainter& painter);
    // Paints the face in place, or from a copy made on first need where the painter draws
    // elsewhere.
    void paint(QPainter& painter);

    // Where a device pixel's centre falls between two pixels of the large face along one axis:
    // the nearer pixel at or before it, the one after, and the share of the one after in 256ths.
    struct Sample
    {
        int before;
        int after;
        quint32 share;
    };
    struct Run
    {
        int begin;
        int end;
    };

private:
    void paint(QImage& target, const QRegion& region);
    void paintResampled(QImage& target, const QRect& rect);
    void paintRow(QRgb* line, int y, int left, int right);
    void readLargeRows(const Sample& down);
    void findOpaqueRuns();
    std::span<const Run> opaqueRuns(int row) const;

    QImage m_face;
    qreal m_ratio;
    QSize m_pixels;
    QImage m_copy;

    // At ratios other than 2, the device pixel to picture pixel mapping, which splits into
    // columns and rows: the skin column of each device column, the first device column of each
    // skin column, and where each device column and row samples the large face.
    std::vector<int> m_columns;
    std::vector<int> m_firstColumns;
    std::vector<Sample> m_across;
    std::vector<Sample> m_down;

    // The plain face's opaque runs, row after row, and the first of each row's.
    std::vector<Run> m_runs;
    std::vector<int> m_firstRuns;
    // The columns of the large face that the rectangle being painted samples, and its two rows
    // that the device row being painted samples, mixed into one.
    int m_firstSampled = 0;
    int m_lastSampled = 0;
    std::vector<QRgb> m_above;
    std::vector<QRgb> m_below;
    std::vector<QRgb> m_mixed;
    int m_aboveRow = -1;
    int m_belowRow = -1;
};
