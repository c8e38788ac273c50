#include "CommittedSkin.h"

namespace {

QImage committed(const char* path)
{
    const QImage skin(QString::fromUtf8(path));
    if (skin.isNull())
        qFatal("cannot read %s", path);
    return skin.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage committedSkin()
{
    return committed(VORE_SKIN_FILE);
}

QImage committedLargeSkin()
{
    return committed(VORE_LARGE_SKIN_FILE);
}
