#include "dialogs/SideWindows.h"
#include "shell/TextWarming.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>

namespace {

// The side window that the call opens, as the player sees it, and closed again.
QImage drawnWindow(void (*open)(QWindow*), const char* name)
{
    open(nullptr);
    QPointer<QWidget> window;
    for (QWidget* candidate : QApplication::topLevelWidgets())
        if (candidate->isVisible() && candidate->objectName() == QLatin1String(name))
            window = candidate;
    if (!window)
        return {};
    const QImage picture = window->grab().toImage();
    window->close();
    // One left open would be brought up again, not made anew.
    return QTest::qWaitFor([&] { return window.isNull(); }) ? picture : QImage();
}

// Counts the windows shown while it watches.
class ShownWindows : public QObject
{
public:
    ShownWindows() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* widget = qobject_cast<QWidget*>(watched);
        count += event->type() == QEvent::Show && widget && widget->isWindow() ? 1 : 0;
        return false;
    }
};

} // namespace

class TextWarmingTest : public QObject
{
    Q_OBJECT

private slots:
    void warmingShowsNothingAndChangesNoPicture()
    {
        const QImage about = drawnWindow(&showAboutDialog, "frmAbout");
        const QImage help = drawnWindow(&showHelpWindow, "helpme");
        QVERIFY(!about.isNull() && !help.isNull());
        const qsizetype windows = QApplication::topLevelWidgets().size();

        QObject context;
        bool done = false;
        {
            const ShownWindows shown;
            warmText(context, [&] { done = true; });
            QVERIFY(QTest::qWaitFor([&] { return done; }, 60000));
            QCOMPARE(shown.count, 0);
        }
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);

        QCOMPARE(drawnWindow(&showAboutDialog, "frmAbout"), about);
        QCOMPARE(drawnWindow(&showHelpWindow, "helpme"), help);
    }
};

QTEST_MAIN(TextWarmingTest)
#include "tst_textwarming.moc"
