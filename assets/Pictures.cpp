#include "assets/Pictures.h"

namespace Pictures {

QImage skin()
{
    return QImage(QStringLiteral(":/assets/skin.bmp")).convertToFormat(QImage::Format_RGB32);
}

QPixmap peg(int colour)
{
    if (colour < 2 || colour > 9)
        return {};
    return QPixmap(QStringLiteral(":/assets/pegs/%1.png").arg(colour));
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/assets/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace Pictures
