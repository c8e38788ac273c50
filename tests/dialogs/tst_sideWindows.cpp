#include "SideWindowProbe.h"
#include "dialogs/SideWindows.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

using namespace Qt::StringLiterals;

class SideWindowsTest : public QObject
{
    Q_OBJECT

private:
    QWidget* open(const QString& name)
    {
        if (name == u"frmAbout"_s)
            showAboutDialog(&m_game);
        else
            showHelpWindow(&m_game, QFile::encodeName(m_folder.path()));
        const QList<QWidget*> windows = windowsNamed(name);
        return windows.size() == 1 ? windows.first() : nullptr;
    }

    QTemporaryDir m_folder;
    QWindow m_game;

private slots:
    void cleanup() { closeSideWindows(); }

    void eachWindow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("About") << u"frmAbout"_s;
        QTest::newRow("Help") << u"helpme"_s;
    }

    void centredAgainOnEveryLoad_data() { eachWindow_data(); }
    void centredAgainOnEveryLoad()
    {
        QFETCH(QString, name);
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        for (int load = 0; load < 2; ++load) {
            QWidget* window = open(name);
            QVERIFY(window);
            // Odd sizes and frame margins leave up to a pixel of rounding on each axis.
            const QPoint offset = window->geometry().center() - centre;
            QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
                     qPrintable(QDebug::toString(offset)));
            window->move(0, 0);
            QVERIFY(closeAndWaitUntilGone(window));
        }
    }

    void openingTwiceBringsTheSameWindowToTheFront_data() { eachWindow_data(); }
    void openingTwiceBringsTheSameWindowToTheFront()
    {
        QFETCH(QString, name);
        QWidget* first = open(name);
        QVERIFY(first);
        QVERIFY(QTest::qWaitForWindowActive(first));
        QWidget* other = open(name == u"frmAbout"_s ? u"helpme"_s : u"frmAbout"_s);
        QVERIFY(other);
        QVERIFY(QTest::qWaitForWindowActive(other));

        QCOMPARE(open(name), first);
        QVERIFY(QTest::qWaitForWindowActive(first));
    }

    void openingAMinimisedWindowRestoresIt_data() { eachWindow_data(); }
    void openingAMinimisedWindowRestoresIt()
    {
        QFETCH(QString, name);
        QWidget* window = open(name);
        QVERIFY(window);
        window->setWindowState(window->windowState() | Qt::WindowMinimized);
        QVERIFY(window->isMinimized());

        QCOMPARE(open(name), window);
        QVERIFY(!window->isMinimized());
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    // A title bar drawn by Qt offers maximise and full screen whatever the window asks for; the
    // window stays open, shown, at its own size and in its normal state.
    void maximisingLeavesTheWindowAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Qt::WindowState>("state");
        QTest::newRow("About maximised") << u"frmAbout"_s << QSize(385, 241) << Qt::WindowMaximized;
        QTest::newRow("Help maximised") << u"helpme"_s << QSize(465, 369) << Qt::WindowMaximized;
        QTest::newRow("Help full screen") << u"helpme"_s << QSize(465, 369) << Qt::WindowFullScreen;
    }

    void maximisingLeavesTheWindowAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(Qt::WindowState, state);
        QWidget* window = open(name);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QPointer<QWidget> watched(window);
        window->windowHandle()->setWindowStates(state);
        QCoreApplication::processEvents();
        QVERIFY(!watched.isNull());
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowState(), Qt::WindowNoState);
        QCOMPARE(window->size(), size);
        QCOMPARE(windowsNamed(name).size(), 1);
    }
};

QTEST_MAIN(SideWindowsTest)
#include "tst_sideWindows.moc"
