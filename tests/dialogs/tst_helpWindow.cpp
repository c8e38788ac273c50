#include "SideWindowProbe.h"
#include "dialogs/HelpLimits.h"
#include "dialogs/SideWindows.h"
#include "dialogs/helpme.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QPlainTextEdit* openHelp(const QString& folder)
{
    showHelpWindow(nullptr, QFile::encodeName(folder));
    const QList<QWidget*> windows = windowsNamed(u"helpme"_s);
    if (windows.size() != 1)
        return nullptr;
    return windows.first()->findChild<QPlainTextEdit*>(u"text"_s);
}

QStringList linesOf(const QPlainTextEdit* text)
{
    QStringList lines;
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { closeSideWindows(); }

    void textFillsTheWindowReadOnlyWithTheFocus()
    {
        QTemporaryDir folder;
        QPlainTextEdit* text = openHelp(folder.path());
        QVERIFY(text);
        QVERIFY(QTest::qWaitForWindowActive(text->window()));
        QCOMPARE(text->window()->windowTitle(), u"Help"_s);
        QCOMPARE(text->geometry(), QRect(0, 0, 465, 369));
        QVERIFY(text->isReadOnly());
        QCOMPARE(QApplication::focusWidget(), text);
    }

    void crLfFileShowsThreeLines()
    {
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath("Help.txt"), "one\r\ntwo\r\nthree"));
        QPlainTextEdit* text = openHelp(folder.path());
        QVERIFY(text);
        QCOMPARE(linesOf(text), QStringList({u"one"_s, u"two"_s, u"three"_s}));
    }

    void manyLinesAreCutWithANote_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<qsizetype>("count");
        QTest::addColumn<bool>("cut");
        const qsizetype most = HelpLimits::mostLines;
        // A file of n line breaks holds n + 1 lines, the last one empty.
        QTest::newRow("newlines, one line short") << QByteArray("\n") << most - 1 << false;
        QTest::newRow("newlines, a few lines over") << QByteArray("\n") << most + 5 << true;
        QTest::newRow("carriage returns") << QByteArray("\r") << most + 5 << true;
        QTest::newRow("CR LF counts once") << QByteArray("x\r\n") << most - 1 << false;
        QTest::newRow("paragraph separators") << QByteArray("\u2029") << most + 5 << true;
        QTest::newRow("one character a line") << QByteArray("x\n") << most << true;
    }

    void manyLinesAreCutWithANote()
    {
        QFETCH(QByteArray, line);
        QFETCH(qsizetype, count);
        QFETCH(bool, cut);
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath("Help.txt"), line.repeated(count)));
        QPlainTextEdit* text = openHelp(folder.path());
        QVERIFY(text);
        const QStringList lines = linesOf(text);
        if (!cut) {
            QCOMPARE(lines.size(), count + 1);
            return;
        }
        const QString note = HelpLimits::tooManyLinesNote(HelpLimits::mostLines).mid(2);
        QCOMPARE(lines.size(), HelpLimits::mostLines + 2);
        QCOMPARE(lines.last(), note);
        QCOMPARE(lines[lines.size() - 2], QString());
        QCOMPARE(lines[lines.size() - 3], QString::fromUtf8(line).trimmed());
    }

    void missingFileGivesAnEmptyWindowAndAnEmptyFile()
    {
        QTemporaryDir folder;
        QPlainTextEdit* text = openHelp(folder.path());
        QVERIFY(text);
        QVERIFY(text->toPlainText().isEmpty());
        QCOMPARE(QFileInfo(folder.filePath("Help.txt")).size(), 0);
    }

    // A read that waited for a writer would never return; the test's time limit catches it.
    void pipeNamedHelpOpensAnEmptyWindowAtOnce()
    {
        QTemporaryDir folder;
        QCOMPARE(mkfifo(QFile::encodeName(folder.filePath("Help.txt")).constData(), 0644), 0);
        QPlainTextEdit* text = openHelp(folder.path());
        QVERIFY(text);
        QVERIFY(text->isVisible());
        QVERIFY(text->toPlainText().isEmpty());
    }

    void editsShowOnlyAfterClosingAndReopening()
    {
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath("Help.txt"), "before"));
        QPlainTextEdit* text = openHelp(folder.path());
        QVERIFY(text);
        QVERIFY(writeFile(folder.filePath("Help.txt"), "after"));
        QCOMPARE(openHelp(folder.path()), text);
        QCOMPARE(text->toPlainText(), u"before"_s);

        QVERIFY(closeAndWaitUntilGone(text->window()));
        text = openHelp(folder.path());
        QVERIFY(text);
        QCOMPARE(text->toPlainText(), u"after"_s);
    }

    void shippedHelpIsUtf8AndEveryCharacterHasAGlyph()
    {
        QFile shipped(QStringLiteral(VORE_BUILD_DIR "/Help.txt"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QString expected = QString::fromUtf8(shipped.readAll());
        QVERIFY(expected.contains(u"nápověda"_s) && expected.contains(u"help"_s));

        QPlainTextEdit* text = openHelp(QStringLiteral(VORE_BUILD_DIR));
        QVERIFY(text);
        QCOMPARE(text->toPlainText(), QString(expected).replace(u"\r\n"_s, u"\n"_s));
        const QFontMetrics metrics(text->font());
        for (const QChar character : expected)
            if (!character.isSpace())
                QVERIFY2(metrics.inFont(character), qPrintable(QString(character)));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "tst_helpWindow.moc"
