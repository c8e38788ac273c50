#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <optional>

// Runs a copy of the probe under a first name; the probe renames itself and answers Yes.
class RestartTest : public QObject
{
    Q_OBJECT

private:
    std::optional<QTemporaryDir> m_dir;

    // Runs a fresh copy of the probe in its own empty folder.
    QString runProbe(const QStringList& arguments, int* exitCode)
    {
        m_dir.emplace();
        const QString copy = m_dir->filePath(QStringLiteral("probe"));
        if (!QFile::copy(QStringLiteral(PROBE_PATH), copy))
            return {};
        QProcess probe;
        probe.start(copy, arguments);
        probe.waitForFinished(30000);
        *exitCode = probe.exitCode();
        return QString::fromUtf8(probe.readAllStandardOutput());
    }

private slots:
    void yesStartsTheFileUnderItsPresentName()
    {
        int exitCode = -1;
        const QString output = runProbe({}, &exitCode);
        QCOMPARE(exitCode, 0);
        QVERIFY2(output.isEmpty(), qPrintable(output));
        QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("probe"))));

        QFile note(m_dir->filePath(QStringLiteral("started")));
        QDeadlineTimer deadline(20000);
        while (!note.exists() && !deadline.hasExpired())
            QThread::msleep(20);
        QVERIFY2(note.open(QIODevice::ReadOnly), "the renamed file did not start");
        QCOMPARE(QString::fromUtf8(note.readAll()),
                 m_dir->filePath(QStringLiteral("probe-renamed")));
    }

    void aFileThatCannotStartIsReported()
    {
        int exitCode = -1;
        const QString output = runProbe({QStringLiteral("--unstartable")}, &exitCode);
        QCOMPARE(exitCode, 0);
        QVERIFY2(output.startsWith(QStringLiteral("message: Novou hru nelze spustit.")),
                 qPrintable(output));
        QVERIFY(output.contains(m_dir->filePath(QStringLiteral("probe-renamed"))));
        QVERIFY2(output.contains(QStringLiteral("Permission denied")), qPrintable(output));
        QThread::msleep(300);
        QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("started"))));
    }
};

QTEST_GUILESS_MAIN(RestartTest)
#include "tst_restart.moc"
