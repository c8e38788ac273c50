#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <vector>

class QRegion;

// A picture whose pixels are each either fully transparent or opaque, kept in the program as
// the opaque runs' places and their pixels, premultiplied ARGB32, with nothing between them:
// expanding it is a copy, not a decode, and the transparent part costs no room. A header of
// three native 32-bit words (width, height, run count) comes first, then each run's first
// pixel, counted through the rows from the top-left, and length, then the runs' pixels. Written
// at build time on the machine that builds the program, hence native byte order.
namespace RunPicture {

// The picture in the stored form; every pixel that is not fully opaque counts as transparent.
QByteArray encode(const QImage& image);

// The stored picture read in place, where the bytes lie, which must outlive it: expanded, painted
// into part of an image, or read a part of a row at a time for drawing it in another form
// (resampled, say) with no expanded copy of all of it in between.
class Rows
{
public:
    // No rows, and a null size, when the bytes are not a stored picture.
    explicit Rows(QByteArrayView bytes);

    bool isNull() const { return m_size.isEmpty(); }
    QSize size() const { return m_size; }

    // The pixels of row y from column left up to column right, not included, into line,
    // transparent ones as 0; the row and the columns must lie inside the picture.
    void read(int y, int left, int right, QRgb* line) const;
    // The picture in an image of its own; a null image when there are no rows.
    QImage expand() const;
    // The picture painted into the region of an image of its size with 32-bit pixels (a
    // window's backing store, say); false, with the image left as it was, when there are no
    // rows or the image is not of the picture's size.
    [[nodiscard]] bool paint(QImage& target, const QRegion& region) const;

private:
    void paintRect(QImage& target, const QRect& rect) const;

    struct Run
    {
        qsizetype first;
        qsizetype length;
        const char* pixels;
    };

    QSize m_size;
    // Every run checked to lie inside the picture after the one before it, with its pixels.
    std::vector<Run> m_runs;
};

} // namespace RunPicture
