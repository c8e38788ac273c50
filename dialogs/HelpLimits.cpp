#include "dialogs/HelpLimits.h"

#include "game/Texts.h"

namespace {

QString leftOutNote(const QString& czech, const QString& english)
{
    return QString::fromUtf8(Texts::helpLeftOut).arg(czech, english);
}

} // namespace

namespace HelpLimits {

QString cutShortNote()
{
    const qsizetype mebibytes = byteLimit / (1024 * 1024);
    return leftOutNote(QString::fromUtf8(Texts::helpTooLongCzech).arg(mebibytes),
                       QString::fromUtf8(Texts::helpTooLong).arg(mebibytes));
}

QString tooManyLinesNote(qsizetype most)
{
    return leftOutNote(QString::fromUtf8(Texts::helpTooManyLinesCzech).arg(most),
                       QString::fromUtf8(Texts::helpTooManyLines).arg(most));
}

} // namespace HelpLimits
