#include "SideWindowProbe.h"
#include "dialogs/HelpFile.h"
#include "dialogs/SideWindows.h"

#include <QFile>
#include <QTemporaryDir>

// How long the Help window takes to open over a help file at the size limit, from the call to
// the first paint. Run it with -iterations N for steadier figures.
class HelpWindowBenchmark : public QObject
{
    Q_OBJECT

private slots:
    void openAtTheLimit_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("short lines") << QByteArray("Příliš žluťoučký kůň úpěl ďábelské ódy.\n");
        QTest::newRow("one endless line") << QByteArray(1024, 'a');
    }

    void openAtTheLimit()
    {
        QFETCH(QByteArray, line);
        QTemporaryDir folder;
        QFile file(folder.filePath("Help.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        while (file.size() <= HelpFile::byteLimit)
            QVERIFY(file.write(line) == line.size());
        file.close();

        QBENCHMARK
        {
            showHelpWindow(folder.path());
            const QList<QWidget*> windows = windowsNamed(QStringLiteral("helpme"));
            QCOMPARE(windows.size(), 1);
            windows.first()->grab();
            QVERIFY(closeAndWaitUntilGone(windows.first()));
        }
    }
};

QTEST_MAIN(HelpWindowBenchmark)
#include "bench_helpWindow.moc"
