#include "SideWindowProbe.h"
#include "dialogs/SideWindows.h"
#include "shell/TextWarming.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QWidget* openAbout()
{
    showAboutDialog(nullptr);
    const QList<QWidget*> dialogs = windowsNamed(u"frmAbout"_s);
    return dialogs.size() == 1 ? dialogs.first() : nullptr;
}

QString labelText(QWidget* dialog, const QString& name)
{
    return dialog->findChild<QLabel*>(name)->text();
}

const QString description =
    u"Hra Vore TRELLIQ je kapesní verzí logické hry TRELLIQ. TRQ opravdu existuje v té podobě, jak "
    u"ho vidíte na obrazovce (bez toho kusu dřeva). Převést TRQ do elektronické podoby co "
    u"nejvěrněji byl také můj cíl. Doufám že si u TRQ trochu zavaříte mozek. Pro menší drsňáky by "
    u"tu v souboru Help.txt měla být nápověda jak TRQ používat. Protože nic není dokonalé, i TRQ "
    u"může mít své mouchy. Kdyby jste nějakou našli, napište mi o ní na email:  . Sem mi můžete "
    u"psát i různé připomínky (a gratulace :-) ."_s;

enum class Closing
{
    Enter,
    KeypadEnter,
    Escape,
    OkClicked,
    CloseControl,
};

// Counts the windows shown while it lives.
struct ShownWindows : QObject
{
    int count = 0;
    ShownWindows() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* widget = qobject_cast<QWidget*>(watched);
        count += event->type() == QEvent::Show && widget && widget->isWindow() ? 1 : 0;
        return false;
    }
};

} // namespace

class AboutDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { closeSideWindows(); }

    void textsAreFilledOnEveryLoad()
    {
        for (int load = 0; load < 2; ++load) {
            QWidget* dialog = openAbout();
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), u"About Vore TRELLIQ"_s);
            QCOMPARE(labelText(dialog, u"lblTitle"_s), u"Vore TRELLIQ"_s);
            QCOMPARE(labelText(dialog, u"lblVersion"_s), u"Version 2.3.0"_s);
            QCOMPARE(labelText(dialog, u"lblDescription"_s), description);
            QCOMPARE(labelText(dialog, u"lblDisclaimer"_s), QString());
            QVERIFY(closeAndWaitUntilGone(dialog));
        }
    }

    void controlsStandInTabOrderAtTheirPlaces()
    {
        const QList<std::pair<QString, QRect>> controls = {
            {u"cmdOK"_s, {280, 208, 100, 28}},        {u"picIcon"_s, {8, 8, 68, 68}},
            {u"lblDescription"_s, {8, 83, 371, 110}}, {u"lblDisclaimer"_s, {8, 208, 258, 31}},
            {u"lblTitle"_s, {96, 16, 275, 32}},       {u"lblVersion"_s, {96, 52, 277, 15}},
        };
        QWidget* dialog = openAbout();
        QVERIFY(dialog);
        QCOMPARE(dialog->size(), QSize(385, 241));
        QWidget* inChain = dialog->findChild<QWidget*>(controls.first().first);
        for (const auto& [name, place] : controls) {
            QCOMPARE(inChain->objectName(), name);
            QCOMPARE(inChain->geometry(), place);
            inChain = inChain->nextInFocusChain();
        }
        QVERIFY(dialog->findChild<QLabel*>(u"lblDescription"_s)->wordWrap());
    }

    void okHasTheFocusAndIsTheDefault()
    {
        QWidget* dialog = openAbout();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto* ok = dialog->findChild<QPushButton*>(u"cmdOK"_s);
        QCOMPARE(ok->text(), u"OK"_s);
        QVERIFY(ok->isDefault());
        QCOMPARE(QApplication::focusWidget(), ok);
    }

    void everyWayOfClosingUnloadsTheDialog_data()
    {
        QTest::addColumn<Closing>("closing");
        QTest::newRow("Enter") << Closing::Enter;
        QTest::newRow("keypad Enter") << Closing::KeypadEnter;
        QTest::newRow("Esc") << Closing::Escape;
        QTest::newRow("OK clicked") << Closing::OkClicked;
        QTest::newRow("close control") << Closing::CloseControl;
    }

    void everyWayOfClosingUnloadsTheDialog()
    {
        QFETCH(Closing, closing);
        QWidget* dialog = openAbout();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        const QPointer<QWidget> watched(dialog);
        switch (closing) {
        case Closing::Enter:
            QTest::keyClick(dialog, Qt::Key_Return);
            break;
        case Closing::KeypadEnter:
            QTest::keyClick(dialog, Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case Closing::Escape:
            QTest::keyClick(dialog, Qt::Key_Escape);
            break;
        case Closing::OkClicked:
            QTest::mouseClick(dialog->findChild<QPushButton*>(u"cmdOK"_s), Qt::LeftButton);
            break;
        case Closing::CloseControl:
            dialog->close();
            break;
        }
        QTRY_VERIFY(watched.isNull());
    }

    void iconBoxHasASunkenBorderRoundTheIcon()
    {
        QWidget* dialog = openAbout();
        QVERIFY(dialog);
        auto* box = dialog->findChild<QLabel*>(u"picIcon"_s);
        QCOMPARE(box->frameShadow(), QFrame::Sunken);
        QCOMPARE(box->contentsRect(), QRect(2, 2, 64, 64));
        QCOMPARE(box->pixmap().deviceIndependentSize(), QSizeF(64, 64));
    }

    void separatorIsGreyOverWhite()
    {
        QWidget* dialog = openAbout();
        QVERIFY(dialog);
        const QImage face = dialog->grab().toImage();
        QCOMPARE(QColor(face.pixel(8, 200)), QColor(0x80, 0x80, 0x80));
        QCOMPARE(QColor(face.pixel(379, 200)), QColor(0x80, 0x80, 0x80));
        QCOMPARE(QColor(face.pixel(8, 201)), QColor(Qt::white));
        QCOMPARE(QColor(face.pixel(378, 201)), QColor(Qt::white));
        QVERIFY(QColor(face.pixel(379, 201)) != QColor(Qt::white));
    }

    void labelsShowTheirWholeTextInTheirColours()
    {
        QWidget* dialog = openAbout();
        QVERIFY(dialog);
        for (const QString& name : {u"lblDescription"_s, u"lblTitle"_s, u"lblDisclaimer"_s})
            QCOMPARE(dialog->findChild<QLabel*>(name)->palette().color(QPalette::WindowText),
                     QColor(Qt::black));
        QCOMPARE(dialog->findChild<QLabel*>(u"lblVersion"_s)->palette().color(QPalette::WindowText),
                 dialog->palette().color(QPalette::ButtonText));

        for (const QString& name : {u"lblDescription"_s, u"lblTitle"_s, u"lblVersion"_s}) {
            auto* label = dialog->findChild<QLabel*>(name);
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(name));
            QVERIFY2(label->wordWrap() || label->sizeHint().width() <= label->width(),
                     qPrintable(name));
        }
        auto* box = dialog->findChild<QLabel*>(u"lblDescription"_s);
        const QFontMetrics metrics(box->font());
        for (const QChar character : description)
            QVERIFY2(metrics.inFont(character), qPrintable(QString(character)));
    }

    // What the game prepares ahead of the first text shows no window, leaves none behind and
    // changes no pixel of the dialog.
    void drawnTheSameAfterTheTextIsWarmed()
    {
        QWidget* dialog = openAbout();
        QVERIFY(dialog);
        const QImage unwarmed = dialog->grab().toImage();
        QVERIFY(closeAndWaitUntilGone(dialog));
        const qsizetype windows = QApplication::topLevelWidgets().size();
        const ShownWindows shown;
        QObject context;
        bool done = false;
        warmText(context, [&] { done = true; });
        QVERIFY(QTest::qWaitFor([&] { return done; }, 60000));
        QCOMPARE(shown.count, 0);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        dialog = openAbout();
        QVERIFY(dialog);
        QCOMPARE(dialog->grab().toImage(), unwarmed);
    }
};

QTEST_MAIN(AboutDialogTest)
#include "tst_aboutDialog.moc"
