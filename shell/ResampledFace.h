#pragma once

#include "assets/RunPicture.h"

#include <QImage>
#include <span>
#include <vector>

class QRegion;

// The window's face at a device pixel ratio other than 1 and 2: the large face brought to the
// device's size by bilinear sampling, with the outline of the plain face as Qt scales the
// window's shape, device pixel for device pixel. Its tables, which map device pixels to the
// pictures' pixels, are made once, so repainting a peg's hole costs only that hole's pixels.
class ResampledFace
{
public:
    // The large face must outlive this.
    ResampledFace(const QImage& face, qreal ratio, const RunPicture::Rows& large);

    // Paints the region's device pixels into the target, an image of the face's size at the
    // ratio, reading the large face's rows straight from its stored runs.
    void paint(QImage& target, const QRegion& region) const;

    // Where a device pixel's centre falls between two pixels of the large face along one axis:
    // the nearer pixel at or before it, the one after, and the share of the one after in 256ths.
    struct Sample
    {
        int before;
        int after;
        quint32 share;
    };
    // Opaque pixels of a row of the plain face, from begin up to end, not included.
    struct Run
    {
        int begin;
        int end;
    };

private:
    // The rows of the large face that one paint has read; a value of that paint.
    struct SampledRows;

    void paintRow(QRgb* line, int y, int left, int right, SampledRows& rows) const;
    std::span<const Run> opaqueRuns(int row) const;

    const RunPicture::Rows& m_large;
    QImage m_face;
    qreal m_ratio;
    // The skin column that Qt paints on each device column, the first device column of each skin
    // column, and where each device column and row samples the large face.
    std::vector<int> m_columns;
    std::vector<int> m_firstColumns;
    std::vector<Sample> m_across;
    std::vector<Sample> m_down;
    // The plain face's opaque runs, row after row, and the first of each row's.
    std::vector<Run> m_runs;
    std::vector<int> m_firstRuns;
};
