// Any bytes through the reader of the pictures stored in the program as runs.

#include "assets/RunPicture.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QImage image = RunPicture::Rows(bytes).expand();
    if (image.isNull())
        return 0;
    // Stored again and read back, a picture it accepts keeps its opaque pixels and no others.
    const QImage again = RunPicture::Rows(RunPicture::encode(image)).expand();
    const auto* read = reinterpret_cast<const QRgb*>(image.constBits());
    const auto* kept = reinterpret_cast<const QRgb*>(again.constBits());
    for (qsizetype i = 0; i < qsizetype(image.width()) * image.height(); ++i) {
        if (kept[i] != (qAlpha(read[i]) == 255 ? read[i] : 0))
            std::abort();
    }
    return 0;
}
