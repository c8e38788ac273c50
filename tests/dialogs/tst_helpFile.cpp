#include "dialogs/HelpFile.h"
#include "dialogs/HelpText.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype limit = HelpLimits::byteLimit;

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Root passes every permission check; a player does not. Runs the check as an unprivileged
// user when the tests run as root.
class AsPlayer
{
public:
    AsPlayer() : m_switched(geteuid() == 0 && seteuid(65534) == 0) {}
    ~AsPlayer()
    {
        if (m_switched && seteuid(0) != 0)
            qFatal("could not return to root");
    }
    bool restricted() const { return m_switched || geteuid() != 0; }

private:
    bool m_switched;
};

enum class OddName
{
    Folder,
    Pipe,
    Device,
    DanglingLink,
};

} // namespace

class HelpFileTest : public QObject
{
    Q_OBJECT

private slots:
    void readDecodesTheBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("three lines, CR LF")
            << QByteArray("one\r\ntwo\r\nthree") << u"one\r\ntwo\r\nthree"_s;
        QTest::newRow("UTF-8") << QByteArray(
                                      "\xc5\xbelu\xc5\xa5ou\xc4\x8dk\xc3\xbd k\xc5\xaf\xc5\x88")
                               << u"žluťoučký kůň"_s;
        QTest::newRow("UTF-8, byte-order mark") << QByteArray("\xef\xbb\xbf\xc5\xbe") << u"ž"_s;
        QTest::newRow("Windows-1250")
            << QByteArray("\x8elu\x9dou\xe8k\xfd k\xf9\xf2 \xec\x9a\xf8") << u"Žluťoučký kůň ěšř"_s;
        QTest::newRow("Windows-1250, undefined byte") << QByteArray("a\x81z") << u"a\uFFFDz"_s;
        // Only a cut made by the reader may end inside a character and stay UTF-8.
        QTest::newRow("whole file ending inside a UTF-8 character")
            << QByteArray("\xc5\xbe\xc5") << u"ĹľĹ"_s;
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("exactly at the limit") << QByteArray(limit, 'a') << QString(limit, u'a');
        QTest::newRow("one byte over the limit")
            << QByteArray(limit + 1, 'a') << QString(limit, u'a') + HelpLimits::cutShortNote();
        QTest::newRow("cut inside a UTF-8 character")
            << QByteArray("a") + QByteArray("\xc4\x8d").repeated(limit / 2)
            << u"a"_s + u"č"_s.repeated((limit - 2) / 2) + HelpLimits::cutShortNote();
    }

    void readDecodesTheBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath("Help.txt"), bytes));
        QCOMPARE(HelpFile::read(QFile::encodeName(folder.path())), text);
    }

    void missingFileIsCreatedEmpty()
    {
        QTemporaryDir folder;
        QCOMPARE(HelpFile::read(QFile::encodeName(folder.path())), QString());
        const QFileInfo created(folder.filePath("Help.txt"));
        QVERIFY(created.isFile());
        QCOMPARE(created.size(), 0);
    }

    void folderNameThatIsNotTextIsRead()
    {
        QTemporaryDir parent;
        const QByteArray folder = QFile::encodeName(parent.path()) + "/\xE8\x65\xB9";
        const QByteArray help = folder + "/Help.txt";
        QCOMPARE(mkdir(folder.constData(), 0755), 0);
        // QTemporaryDir names files as text and could not remove these.
        const auto remove = qScopeGuard([&] {
            unlink(help.constData());
            rmdir(folder.constData());
        });
        std::FILE* file = std::fopen(help.constData(), "wb");
        QVERIFY(file);
        std::fputs("N\xc3\xa1pov\xc4\x9b"
                   "da",
                   file);
        QCOMPARE(std::fclose(file), 0);
        QCOMPARE(HelpFile::read(folder), u"Nápověda"_s);
    }

    void linkToAFileIsFollowed()
    {
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath("elsewhere.txt"), "read me"));
        QVERIFY(QFile::link(folder.filePath("elsewhere.txt"), folder.filePath("Help.txt")));
        QCOMPARE(HelpFile::read(QFile::encodeName(folder.path())), u"read me"_s);
    }

    void oddNamesGiveNothingAndStayAsTheyWere_data()
    {
        QTest::addColumn<OddName>("kind");
        QTest::newRow("folder") << OddName::Folder;
        QTest::newRow("pipe") << OddName::Pipe;
        QTest::newRow("link to an endless device") << OddName::Device;
        QTest::newRow("dangling link") << OddName::DanglingLink;
    }

    void oddNamesGiveNothingAndStayAsTheyWere()
    {
        QFETCH(OddName, kind);
        QTemporaryDir folder;
        const QByteArray help = QFile::encodeName(folder.filePath("Help.txt"));
        const QString target = folder.filePath("target");
        switch (kind) {
        case OddName::Folder:
            QCOMPARE(mkdir(help.constData(), 0755), 0);
            break;
        case OddName::Pipe:
            QCOMPARE(mkfifo(help.constData(), 0644), 0);
            break;
        case OddName::Device:
            QCOMPARE(symlink("/dev/zero", help.constData()), 0);
            break;
        case OddName::DanglingLink:
            QCOMPARE(symlink(QFile::encodeName(target).constData(), help.constData()), 0);
            break;
        }
        struct stat before = {};
        QCOMPARE(lstat(help.constData(), &before), 0);

        QCOMPARE(HelpFile::read(QFile::encodeName(folder.path())), QString());

        struct stat after = {};
        QCOMPARE(lstat(help.constData(), &after), 0);
        QCOMPARE(after.st_mode, before.st_mode);
        QVERIFY(!QFileInfo::exists(target));
    }

    void withoutPermissionNothingIsShownOrCreated()
    {
        const auto readOnly =
            QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        QTemporaryDir withFile;
        QTemporaryDir withoutFile;
        QVERIFY(writeFile(withFile.filePath("Help.txt"), "secret"));
        QVERIFY(QFile::setPermissions(withFile.filePath("Help.txt"), {}));
        QVERIFY(QFile::setPermissions(withFile.path(), readOnly));
        QVERIFY(QFile::setPermissions(withoutFile.path(), readOnly));
        // Let QTemporaryDir clean up, however the test ends.
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(withFile.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFile::setPermissions(withoutFile.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });

        const AsPlayer player;
        if (!player.restricted())
            QSKIP("cannot drop root's permissions here");
        QCOMPARE(HelpFile::read(QFile::encodeName(withFile.path())), QString());
        QCOMPARE(HelpFile::read(QFile::encodeName(withoutFile.path())), QString());
        QVERIFY(!QFileInfo::exists(withoutFile.filePath("Help.txt")));
    }

    void longLinesAreBrokenForTheView_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("short lines") << u"ab\ncd"_s << u"ab\ncd"_s;
        QTest::newRow("exactly the longest") << u"abcd"_s << u"abcd"_s;
        QTest::newRow("several pieces") << u"abcdefghij"_s << u"abcd\nefgh\nij"_s;
        QTest::newRow("CR LF ends a line") << u"abcd\r\nefgh"_s << u"abcd\r\nefgh"_s;
        QTest::newRow("line separator ends a line") << u"abcd\u2028efgh"_s << u"abcd\u2028efgh"_s;
        QTest::newRow("surrogate pair kept whole") << u"abc\U0001F600x"_s << u"abc\U0001F600\nx"_s;
    }

    void longLinesAreBrokenForTheView()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(HelpText::shapeForView(text, 4, 100), shown);
    }

    void manyLinesAreCutAfterTheMost_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        const QString note = HelpLimits::tooManyLinesNote(2);
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("as many as the most") << u"a\nb"_s << u"a\nb"_s;
        QTest::newRow("one more") << u"a\nb\nc"_s << u"a\nb"_s + note;
        QTest::newRow("a final break starts an empty line") << u"a\nb\n"_s << u"a\nb"_s + note;
        QTest::newRow("CR LF is one break") << u"a\r\nb"_s << u"a\r\nb"_s;
        QTest::newRow("CR alone is a break") << u"a\rb\rc"_s << u"a\rb"_s + note;
        QTest::newRow("CR before the cut stays a break of its own")
            << u"a\r\rc"_s << u"a\r\n"_s + note;
        QTest::newRow("line and paragraph separators")
            << u"a\u2028b\u2029c"_s << u"a\u2028b"_s + note;
        QTest::newRow("pieces of a long line count")
            << u"x\n"_s + QString(150, u'a') << u"x\n"_s + QString(100, u'a') + note;
    }

    void manyLinesAreCutAfterTheMost()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(HelpText::shapeForView(text, 100, 2), shown);
    }
};

QTEST_GUILESS_MAIN(HelpFileTest)
#include "tst_helpFile.moc"
