#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray helpText = "Nápověda ze složky / help from the folder";

// What an upgrade puts in the game's place: a new program, which leaves the same note as the
// probe does and tells its starter that it is shown.
const QByteArray upgradeScript =
    "#!/bin/sh\n"
    "dir=\"${0%/*}\"\n"
    "{ printf '%s\\n' \"$0\"; cat \"$dir/Help.txt\"; } > \"$dir/started.part\"\n"
    "mv \"$dir/started.part\" \"$dir/started\"\n"
    "printf 1 > \"/proc/self/fd/$VORE_TRELLIQ_SHOWN_FD\"\n";

bool writeFile(const QByteArray& path, const QByteArray& bytes, mode_t mode = 0644)
{
    std::FILE* file = std::fopen(path.constData(), "wb");
    if (!file)
        return false;
    const bool written =
        std::fwrite(bytes.constData(), 1, bytes.size(), file) == size_t(bytes.size());
    return std::fclose(file) == 0 && written && ::chmod(path.constData(), mode) == 0;
}

std::optional<QByteArray> waitForNote(const QByteArray& path, int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    do {
        if (std::FILE* note = std::fopen(path.constData(), "rb")) {
            QByteArray text;
            char chunk[4096];
            while (const size_t got = std::fread(chunk, 1, sizeof chunk, note))
                text.append(chunk, qsizetype(got));
            std::fclose(note);
            return text;
        }
        QThread::msleep(20);
    } while (!deadline.hasExpired());
    return std::nullopt;
}

} // namespace

// Runs a copy of the probe, which changes its own file as asked and answers Yes.
class RestartTest : public QObject
{
    Q_OBJECT

private:
    std::optional<QTemporaryDir> m_dir;
    QByteArray m_folder;
    QString m_errors;

    // Runs a fresh copy of the probe in a folder of the given name, beside a help file; file
    // names are bytes, so the folder's name need not be text. Returns the probe's output.
    QString runProbe(const QByteArray& folderName, const QStringList& arguments, int* exitCode)
    {
        m_dir.emplace();
        m_folder = QFile::encodeName(m_dir->path()) + '/' + folderName;
        const QByteArray copy = m_folder + "/probe";
        std::error_code error;
        if (::mkdir(m_folder.constData(), 0755) != 0 ||
            !std::filesystem::copy_file(PROBE_PATH, copy.toStdString(), error) ||
            ::chmod(copy.constData(), 0755) != 0 || !writeFile(m_folder + "/Help.txt", helpText))
            return QStringLiteral("could not set up the probe");
        // Qt takes program names as text; a link with a plain name leads to the probe.
        const QString launcher = m_dir->filePath(QStringLiteral("launch"));
        if (::symlink(copy.constData(), QFile::encodeName(launcher).constData()) != 0)
            return QStringLiteral("could not link the probe");
        QProcess probe;
        probe.start(launcher, arguments);
        const bool finished = probe.waitForFinished(30000);
        *exitCode = finished && probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
        m_errors = QString::fromUtf8(probe.readAllStandardError());
        return QString::fromUtf8(probe.readAllStandardOutput());
    }

private slots:
    // QTemporaryDir names files as text and cannot remove a folder whose name is not.
    void cleanup()
    {
        if (m_dir) {
            std::error_code error;
            std::filesystem::remove_all(QFile::encodeName(m_dir->path()).toStdString(), error);
        }
    }

    void yesStartsTheFileNowInPlace_data()
    {
        QTest::addColumn<QByteArray>("folderName");
        QTest::addColumn<bool>("upgraded");
        QTest::addColumn<QByteArray>("started");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("said");
        QTest::newRow("renamed") << QByteArray("game") << false << QByteArray("probe-renamed")
                                 << QString() << QString() << QString();
        QTest::newRow("renamed, folder name not UTF-8")
            << QByteArray("\xE8\x65\xB9") << false << QByteArray("probe-renamed") << QString()
            << QString() << QString();
        QTest::newRow("replaced by an upgrade") << QByteArray("game") << true << QByteArray("probe")
                                                << QString() << QString() << QString();
        // Neither killed nor waited for to the end; the starter's event loop runs meanwhile.
        QTest::newRow("shows after the wait, once the old game has ended")
            << QByteArray("game") << false << QByteArray("probe-renamed")
            << QStringLiteral("--new-game-late")
            << QStringLiteral("a timer fired during the wait\n")
            << QStringLiteral("leaves it to finish starting");
    }

    void yesStartsTheFileNowInPlace()
    {
        QFETCH(QByteArray, folderName);
        QFETCH(bool, upgraded);
        QFETCH(QByteArray, started);
        QFETCH(QString, change);
        QFETCH(QString, printed);
        QFETCH(QString, said);
        QStringList arguments(change);
        arguments.removeAll(QString());
        QTemporaryDir elsewhere;
        if (upgraded) {
            const QString upgrade = elsewhere.filePath(QStringLiteral("upgrade"));
            QVERIFY(writeFile(QFile::encodeName(upgrade), upgradeScript, 0755));
            arguments << QStringLiteral("--replaced-by") << upgrade;
        }

        int exitCode = -1;
        const QString output = runProbe(folderName, arguments, &exitCode);
        QCOMPARE(output, printed);
        QVERIFY2(m_errors.contains(said), qPrintable(m_errors));
        QCOMPARE(exitCode, 0);

        const std::optional<QByteArray> note = waitForNote(m_folder + "/started", 20000);
        QVERIFY2(note, "no file started");
        QCOMPARE(*note, m_folder + '/' + started + '\n' + helpText);
    }

    void yesReportsAFileThatCannotStart_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("reason");
        const QString notStarted = QStringLiteral("Důvod: Soubor se nepodařilo spustit.\n");
        QTest::newRow("not executable")
            << QStringLiteral("--unstartable")
            << QStringList{notStarted, "Podrobnosti: Permission denied"};
        QTest::newRow("deleted, nothing in its place")
            << QStringLiteral("--deleted") << QStringList{notStarted, "Podrobnosti: No such file"};
        QTest::newRow("ends before it shows its window")
            << QStringLiteral("--ends-unseen")
            << QStringList{"Důvod: Nová hra skončila dřív, než ukázala své okno.\n",
                           "stav ukončení 4", "probe: no desktop to show a window on"};
    }

    void yesReportsAFileThatCannotStart()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, reason);
        int exitCode = -1;
        const QString output = runProbe("game", {change}, &exitCode);
        QCOMPARE(exitCode, 0);
        QVERIFY2(output.startsWith(QStringLiteral("message: Novou hru nelze spustit.")),
                 qPrintable(output));
        QVERIFY2(output.contains(QFile::decodeName(m_folder + "/probe")), qPrintable(output));
        for (const QString& part : reason)
            QVERIFY2(output.contains(part), qPrintable(output));
        QThread::msleep(300);
        QVERIFY(!waitForNote(m_folder + "/started", 0));
    }

    // A new game whose starter has gone by its first frame goes on: the word it sends is lost
    // quietly.
    void aGoneStarterEndsNothing()
    {
        m_dir.emplace();
        m_folder = QFile::encodeName(m_dir->path());
        const QByteArray copy = m_folder + "/probe-renamed";
        std::error_code error;
        QVERIFY(std::filesystem::copy_file(PROBE_PATH, copy.toStdString(), error));
        QVERIFY(::chmod(copy.constData(), 0755) == 0 &&
                writeFile(m_folder + "/Help.txt", helpText));
        int ends[2];
        QVERIFY(::pipe(ends) == 0);
        ::close(ends[0]);
        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VORE_TRELLIQ_SHOWN_FD"), QString::number(ends[1]));
        probe.setProcessEnvironment(environment);
        probe.start(QFile::decodeName(copy), {});
        const bool finished = probe.waitForFinished(30000);
        ::close(ends[1]);
        QVERIFY(finished);
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
    }

    // The question's standard buttons speak the system's language, through Qt's own
    // translations, with Yes the default; the question's own text is the game's. Each way out
    // gives its own answer: closing the box, as its close control does, answers as Cancel.
    void questionButtonsSpeakTheSystemLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QStringList>("printed");
        const QStringList english{"&Yes", "&Yes", "&No", "Cancel"};
        QTest::newRow("C, Yes") << QStringLiteral("C") << QStringLiteral("yes")
                                << english + QStringList{"answer: Yes"};
        QTest::newRow("C, No") << QStringLiteral("C") << QStringLiteral("no")
                               << english + QStringList{"answer: No"};
        QTest::newRow("C, closed") << QStringLiteral("C") << QStringLiteral("close")
                                   << english + QStringList{"answer: Cancel"};
        QTest::newRow("Czech, Cancel")
            << QStringLiteral("cs_CZ.UTF-8") << QStringLiteral("cancel")
            << QStringList{"&Ano", "&Ano", "&Ne", "Zrušit", "answer: Cancel"};
    }

    void questionButtonsSpeakTheSystemLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, way);
        QFETCH(QStringList, printed);
        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("LANG"), language);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(PROBE_PATH), {QStringLiteral("--ask"), way});
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitCode(), 0);
        // The default button, then Yes, No and Cancel, then the answer.
        QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                 printed);
    }
};

QTEST_GUILESS_MAIN(RestartTest)
#include "tst_restart.moc"
