// Any bytes through the reader of the pictures stored in the program.

#include "assets/RawPicture.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QImage image = RawPicture::view(bytes);
    if (image.isNull())
        return 0;
    // A picture it accepts is the input, pixel for pixel: writing it again gives the same bytes,
    // and reading every pixel on the way stays inside them.
    if (RawPicture::encode(image) != bytes)
        std::abort();
    return 0;
}
