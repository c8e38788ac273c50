#include "CommittedSkin.h"

QImage committedSkin()
{
    const QImage skin(QStringLiteral(VORE_SKIN_FILE));
    if (skin.isNull())
        qFatal("cannot read %s", VORE_SKIN_FILE);
    return skin.convertToFormat(QImage::Format_RGB32);
}
