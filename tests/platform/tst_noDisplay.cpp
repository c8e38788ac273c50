#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace {

// A display number that no X server on this machine holds.
QString unusedDisplay()
{
    for (int number = 97;; ++number)
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) &&
            !QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            return QStringLiteral(":%1").arg(number);
}

} // namespace

// The game started where no window system can be reached: it must say so and fail, not abort.
class NoDisplayTest : public QObject
{
    Q_OBJECT

private slots:
    void saysItNeedsADesktopAndExitsWithOne_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("tried");
        QTest::newRow("no DISPLAY")
            << QString() << QString() << QStringLiteral("DISPLAY is not set");
        const QString unused = unusedDisplay();
        QTest::newRow("DISPLAY names no server")
            << unused << QString() << QStringLiteral("\"%1\"").arg(unused);
        QTest::newRow("unknown platform")
            << unused << QStringLiteral("bogus") << QStringLiteral("\"bogus\"");
    }

    void saysItNeedsADesktopAndExitsWithOne()
    {
        QFETCH(QString, display);
        QFETCH(QString, platform);
        QFETCH(QString, tried);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                                 "XDG_SESSION_TYPE", "QT_MESSAGE_PATTERN"})
            environment.remove(QString::fromLatin1(name));
        if (!display.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), display);
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);

        QProcess game;
        game.setProcessEnvironment(environment);
        game.setWorkingDirectory(QDir::tempPath());
        game.start(QStringLiteral(GAME_PATH), {});
        QVERIFY(game.waitForFinished(30000));

        const QString errors = QString::fromLocal8Bit(game.readAllStandardError());
        const QStringList lines = errors.trimmed().split(u'\n');
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 1);
        QVERIFY2(lines.size() <= 2, qPrintable(errors));
        QVERIFY2(lines.last().contains(QStringLiteral("needs a graphical desktop")),
                 qPrintable(errors));
        QVERIFY2(lines.last().contains(tried), qPrintable(errors));
        QVERIFY2(!errors.contains(QStringLiteral("Reinstalling")), qPrintable(errors));
        // Qt's list of what it has is the one thing in its message that helps the player.
        QVERIFY2(lines.first().contains(QStringLiteral("offscreen")), qPrintable(errors));
        QVERIFY(game.readAllStandardOutput().isEmpty());
    }
};

QTEST_GUILESS_MAIN(NoDisplayTest)
#include "tst_noDisplay.moc"
