#pragma once

#include "assets/RunPicture.h"
#include "shell/FaceMix.h"

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
    // The shape is the plain face's kept pixels, as BuildSkinRegion gives them; the large face
    // must outlive this. Runs are painted in the form given, as a test may choose the portable
    // one.
    ResampledFace(const QImage& face, const QRegion& shape, qreal ratio,
                  const RunPicture::Rows& large, FaceMix::PaintRun paintRun);

    // Paints the region's device pixels into the target, an image of the face's size at the
    // ratio, reading the large face's rows straight from its stored runs. Device pixels off the
    // shape are made transparent and nothing more.
    void paint(QImage& target, const QRegion& region) const;

    // Where device pixels' centres fall between the pixels of the large face along one axis: the
    // pixel at or before each, and the share of the one after it in 256ths, 0 to 256, so that
    // every device pixel mixes a pixel with the next even at the face's far edge.
    struct Samples
    {
        std::vector<int> before;
        std::vector<quint16> share;
    };
    // Kept pixels of a row of the plain face, from begin up to end, not included.
    struct Run
    {
        int begin;
        int end;
    };

private:
    // The rows of the large face that one paint has read; a value of that paint.
    struct SampledRows;

    void paintRow(QRgb* line, int y, int left, int right, SampledRows& rows) const;
    std::span<const Run> keptRuns(int row) const;

    const RunPicture::Rows& m_large;
    FaceMix::PaintRun m_paintRun;
    QImage m_face;
    qreal m_ratio;
    // The skin column that Qt paints on each device column, and the first device column of each
    // skin column.
    std::vector<int> m_columns;
    std::vector<int> m_firstColumns;
    // Where each device column and row samples the large face, and the weights of each device
    // column's pair of pixels.
    Samples m_across;
    std::vector<FaceMix::PairWeights> m_acrossWeights;
    Samples m_down;
    // The plain face's kept runs, and the first and the end of each row's among them.
    std::vector<Run> m_runs;
    std::vector<Run> m_rowRuns;
};
