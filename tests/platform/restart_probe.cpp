// Stands in for the game in the restart test. Under its first name it renames its own file and
// answers Yes to the new-game question, going through the real process services. Started again
// under the new name, it leaves a note saying which file ran.

#include "game/Board.h"
#include "game/Game.h"
#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

const QString renamedName = QStringLiteral("probe-renamed");

class AnswersYes final : public Platform
{
public:
    double timeOfDay() const override { return m_real.timeOfDay(); }
    void seedRandom(double seed) override { m_real.seedRandom(seed); }
    double nextRandom() override { return m_real.nextRandom(); }
    void showMessage(const QString& text) override
    {
        std::printf("message: %s\n", qPrintable(text));
    }
    Answer askYesNoCancel(const QString&) override { return Answer::Yes; }
    void setPointer(int) override {}
    QString runningExecutable() const override { return m_real.runningExecutable(); }
    StartOutcome startProgram(const QString& path) override { return m_real.startProgram(path); }
    [[noreturn]] void endProgram() override { m_real.endProgram(); }

private:
    QtPlatform m_real;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    AnswersYes platform;
    const QFileInfo self(platform.runningExecutable());
    const QString renamed = self.dir().filePath(renamedName);

    if (self.fileName() == renamedName) {
        // Written aside and renamed, so the test never reads a half-written note.
        QFile note(self.dir().filePath(QStringLiteral("started.part")));
        if (!note.open(QIODevice::WriteOnly))
            return 1;
        note.write(self.filePath().toUtf8());
        note.close();
        return note.rename(self.dir().filePath(QStringLiteral("started"))) ? 0 : 1;
    }

    if (!QFile::rename(self.filePath(), renamed))
        return 2;
    if (app.arguments().contains(QStringLiteral("--unstartable")))
        QFile::setPermissions(renamed, QFile::ReadOwner | QFile::WriteOwner);

    Board board;
    Game game(board, platform);
    game.DrawSecretCode();
    game.kon_Click();
    return 3; // not reached: the answer Yes ends the process
}
