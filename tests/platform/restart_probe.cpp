// Stands in for the game in the restart test. Under its first name it changes its own file as
// the test asks and answers Yes to the new-game question, going through the real process
// services. Started again as "probe-renamed", it leaves a note with the file that ran and the
// help text the game would show from its folder, and tells its starter its window is shown; or,
// after --ends-unseen, ends at once as a game that cannot reach the desktop; or, after
// --new-game-late, does so only once its starter, which waits for it a moment and prints when a
// timer fires meanwhile and when input reaches it then, has ended. With --ask WAY it shows the real
// question instead, prints its buttons' texts, leaves it by WAY and prints the answer.

#include "dialogs/HelpFile.h"
#include "game/Board.h"
#include "game/Game.h"
#include "platform/OwnExecutable.h"
#include "platform/QtPlatform.h"
#include "platform/WindowShownNotice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class AnswersYes final : public Platform
{
public:
    explicit AnswersYes(std::chrono::milliseconds newGameWait) : m_real(newGameWait) {}
    double timeOfDay() const override { return m_real.timeOfDay(); }
    void seedRandom(double seed) override { m_real.seedRandom(seed); }
    double nextRandom() override { return m_real.nextRandom(); }
    void showMessage(const QString& text) override
    {
        std::printf("message: %s\n", qPrintable(text));
    }
    Answer askYesNoCancel(const QString&) override { return Answer::Yes; }
    void setPointer(int) override {}
    QByteArray runningExecutable() const override { return m_real.runningExecutable(); }
    NewGameStart startNewGameAndWaitForWindow(const QByteArray& path) override
    {
        return m_real.startNewGameAndWaitForWindow(path);
    }
    [[noreturn]] void endProgram() override { m_real.endProgram(); }

private:
    QtPlatform m_real;
};

// Written aside and renamed, so the test never reads a half-written note.
bool leaveNote(const QByteArray& folder, const QByteArray& text, const char* name = "/started")
{
    const QByteArray part = folder + "/started.part";
    std::FILE* note = std::fopen(part.constData(), "wb");
    if (!note)
        return false;
    const bool written = std::fwrite(text.constData(), 1, text.size(), note) == size_t(text.size());
    return std::fclose(note) == 0 && written &&
           std::rename(part.constData(), (folder + name).constData()) == 0;
}

// Prints the texts of the question's default button and of Yes, No and Cancel, then leaves the
// box the way named (a button, or "close" as its close control does) and prints the answer.
int askAndPrintButtons(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString way = QString::fromLatin1(argv[2]);
    QtPlatform platform;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&way] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (const QAbstractButton* button :
             {static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::Yes),
              box->button(QMessageBox::No), box->button(QMessageBox::Cancel)})
            std::printf("%s\n", button ? qPrintable(button->text()) : "none");
        const QMap<QString, QMessageBox::StandardButton> buttons{
            {QStringLiteral("yes"), QMessageBox::Yes},
            {QStringLiteral("no"), QMessageBox::No},
            {QStringLiteral("cancel"), QMessageBox::Cancel}};
        if (buttons.contains(way))
            box->button(buttons[way])->click();
        else
            box->close();
    });
    answer.start(10);
    const Answer given = platform.askYesNoCancel(QStringLiteral("Spustit novou hru?"));
    std::printf("answer: %s\n", given == Answer::Yes  ? "Yes"
                                : given == Answer::No ? "No"
                                                      : "Cancel");
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--ask") == 0)
        return askAndPrintButtons(argc, argv);
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const bool late = arguments.contains(QStringLiteral("--new-game-late"));
    AnswersYes platform(late ? std::chrono::milliseconds(300) : std::chrono::seconds(10));
    const QByteArray self = platform.runningExecutable();
    const QByteArray folder = self.first(self.lastIndexOf('/'));
    const QByteArray renamed = folder + "/probe-renamed";

    if (self == renamed) {
        // A new game that cannot reach the desktop ends before it shows anything.
        if (QFile::exists(QFile::decodeName(folder + "/unseen"))) {
            std::fputs("probe: no desktop to show a window on\n", stderr);
            return 4;
        }
        // The starter names itself: it may have ended before this one looks at its parent.
        if (QFile late(QFile::decodeName(folder + "/late")); late.open(QIODevice::ReadOnly)) {
            const pid_t starter = late.readAll().toInt();
            const QDeadlineTimer deadline(20000);
            while (getppid() == starter && !deadline.hasExpired())
                QThread::msleep(20);
            if (getppid() == starter)
                return 5;
        }
        const QString help = HelpFile::read(OwnExecutable::folder());
        const bool noted = leaveNote(folder, self + '\n' + help.toUtf8());
        WindowShownNotice::tellStarter();
        return noted ? 0 : 1;
    }

    if (const qsizetype at = arguments.indexOf(QStringLiteral("--replaced-by")); at > 0) {
        // What a package upgrade does: a new file renamed over the running one.
        if (std::rename(QFile::encodeName(arguments.value(at + 1)).constData(), self.constData()) !=
            0)
            return 2;
    } else if (arguments.contains(QStringLiteral("--deleted"))) {
        if (::unlink(self.constData()) != 0)
            return 2;
    } else {
        if (std::rename(self.constData(), renamed.constData()) != 0)
            return 2;
        if (arguments.contains(QStringLiteral("--unstartable")))
            ::chmod(renamed.constData(), 0600);
        if (arguments.contains(QStringLiteral("--ends-unseen")) &&
            !leaveNote(folder, {}, "/unseen"))
            return 2;
        if (late && !leaveNote(folder, QByteArray::number(getpid()), "/late"))
            return 2;
    }

    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&tick] {
        std::printf("a timer fired during the wait\n");
        tick.stop();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        if (!QCoreApplication::sendEvent(&tick, &press))
            std::printf("input reached the game during the wait\n");
    });
    if (late)
        tick.start(10);

    Board board;
    Game game(board, platform);
    game.DrawSecretCode();
    game.kon_Click();
    return 3; // not reached: the answer Yes ends the process
}
