#include "SideWindowProbe.h"
#include "dialogs/HelpLimits.h"
#include "dialogs/SideWindows.h"

#include <QFile>
#include <QTemporaryDir>
#include <sys/resource.h>

// How long the Help window takes to open over a help file at the size limit, from the call to
// the first paint. Run it with -iterations N for steadier figures. The peak memory it prints
// is the process's own, so run one row at a time to see each row's figure, for example:
//   bench_helpWindow openAtTheLimit:"newlines only"
class HelpWindowBenchmark : public QObject
{
    Q_OBJECT

private slots:
    void openAtTheLimit_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("short lines") << QByteArray("Příliš žluťoučký kůň úpěl ďábelské ódy.\n");
        QTest::newRow("one endless line") << QByteArray(1024, 'a');
        // Lines, not bytes, are what a text view keeps per entry.
        QTest::newRow("newlines only") << QByteArray("\n");
        QTest::newRow("one character a line") << QByteArray("x\n");
    }

    void openAtTheLimit()
    {
        QFETCH(QByteArray, line);
        QTemporaryDir folder;
        QFile file(folder.filePath("Help.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray bytes = line.repeated(HelpLimits::byteLimit / line.size() + 1);
        QCOMPARE(file.write(bytes.first(HelpLimits::byteLimit)), HelpLimits::byteLimit);
        file.close();

        QBENCHMARK
        {
            showHelpWindow(nullptr, QFile::encodeName(folder.path()));
            const QList<QWidget*> windows = windowsNamed(QStringLiteral("helpme"));
            QCOMPARE(windows.size(), 1);
            windows.first()->grab();
            QVERIFY(closeAndWaitUntilGone(windows.first()));
        }

        rusage usage = {};
        getrusage(RUSAGE_SELF, &usage);
        qInfo("peak memory of the process so far: %ld MiB", usage.ru_maxrss / 1024);
    }
};

QTEST_MAIN(HelpWindowBenchmark)
#include "bench_helpWindow.moc"
