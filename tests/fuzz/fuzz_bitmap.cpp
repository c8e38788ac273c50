// Any bytes through the program's own bitmap reader.

#include "assets/DecodeBitmap.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QImage image = Pictures::decodeBitmap(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    // Every pixel comes from the input, three bytes each.
    if (!image.isNull() && qsizetype(image.width()) * image.height() * 3 > qsizetype(size))
        std::abort();
    return 0;
}
