#include "dialogs/HelpLimits.h"

namespace {

QString leftOutNote(const QString& czech, const QString& english)
{
    return QStringLiteral("\n\n[%1, zbytek nebyl načten. %2; the rest was left out.]")
        .arg(czech, english);
}

} // namespace

namespace HelpLimits {

QString cutShortNote()
{
    const qsizetype mebibytes = byteLimit / (1024 * 1024);
    return leftOutNote(QStringLiteral("Nápověda je delší než %1 MiB").arg(mebibytes),
                       QStringLiteral("The help is longer than %1 MiB").arg(mebibytes));
}

QString tooManyLinesNote(qsizetype most)
{
    return leftOutNote(QStringLiteral("Nápověda má víc než %1 řádků").arg(most),
                       QStringLiteral("The help has more than %1 lines").arg(most));
}

} // namespace HelpLimits
