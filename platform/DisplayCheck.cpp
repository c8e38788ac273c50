#include "platform/DisplayCheck.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

// Qt tells a message without a file or category by null pointers, not by empty texts.
const char* orNull(const QByteArray& bytes)
{
    return bytes.isNull() ? nullptr : bytes.constData();
}

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> heldMessages;

// Qt names the platform it tried in its message, whichever way it chose it.
QString triedPlatform()
{
    static const QRegularExpression named(QStringLiteral("platform plugin \"([^\"]*)\""));
    for (const HeldMessage& message : heldMessages)
        if (const QRegularExpressionMatch match = named.match(message.text); match.hasMatch())
            return match.captured(1);
    return QString::fromLocal8Bit(qgetenv("QT_QPA_PLATFORM"));
}

bool platformWasMissing()
{
    for (const HeldMessage& message : heldMessages)
        if (message.text.contains(QStringLiteral("Could not find the Qt platform plugin")))
            return true;
    return false;
}

QString whatFailed()
{
    const QString platform = triedPlatform();
    if (platformWasMissing())
        return QStringLiteral("Qt has no platform \"%1\"").arg(platform);
    if (platform == QStringLiteral("xcb") || platform.isEmpty()) {
        if (!qEnvironmentVariableIsSet("DISPLAY"))
            return QStringLiteral("DISPLAY is not set");
        return QStringLiteral("the X display \"%1\" could not be opened")
            .arg(qEnvironmentVariable("DISPLAY"));
    }
    if (platform.startsWith(QStringLiteral("wayland"))) {
        const QString display =
            qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
        return QStringLiteral("the Wayland display \"%1\" could not be opened").arg(display);
    }
    return QStringLiteral("the platform \"%1\" could not start").arg(platform);
}

// Qt's own closing message, without its advice to reinstall: the platforms it has, when it
// lists them, or else its first line.
QString qtDetail(const QString& fatal)
{
    static const QString listed = QStringLiteral("Available platform plugins are:");
    const qsizetype at = fatal.indexOf(listed);
    if (at >= 0)
        return QStringLiteral("Available platforms: ") + fatal.mid(at + listed.size()).simplified();
    return fatal.section(u'\n', 0, 0).simplified();
}

void holdOrExplain(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        heldMessages.append(
            {type, context.file, context.line, context.function, context.category, text});
        return;
    }
    // The cause last: a game that started this one shows the last line as the cause.
    std::fprintf(stderr,
                 "vore-trelliq: %s\n"
                 "vore-trelliq: the game needs a graphical desktop, and %s.\n",
                 qPrintable(qtDetail(text)), qPrintable(whatFailed()));
    std::fflush(stderr);
    // Nothing of the application exists yet that would need tidying up.
    std::_Exit(EXIT_FAILURE);
}

} // namespace

DisplayCheck::DisplayCheck()
{
    previousHandler = qInstallMessageHandler(holdOrExplain);
}

DisplayCheck::~DisplayCheck()
{
    passed();
}

void DisplayCheck::passed()
{
    if (!previousHandler)
        return;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : std::as_const(heldMessages)) {
        const QMessageLogContext context(orNull(message.file), message.line,
                                         orNull(message.function), orNull(message.category));
        previousHandler(message.type, context, message.text);
    }
    heldMessages.clear();
    previousHandler = nullptr;
}
