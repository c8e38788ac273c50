#include "platform/WindowShownNotice.h"

#include "platform/InputHeldBack.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace WindowShownNotice {

namespace {

constexpr char shownVariable[] = "VORE_TRELLIQ_SHOWN_FD";
constexpr char errorVariable[] = "VORE_TRELLIQ_STDERR_FD";

// How the wait's event loop ends; a loop told to quit from elsewhere ends with 0, which counts as
// a new game still starting.
enum WaitEnd
{
    shown = 1,
    ended,
};

// Passes on to this game's error output the end of what the new game wrote to its own, and
// returns the last line of it. A new game that wrote without end is not read whole.
QString passOnErrorOutput(int file)
{
    constexpr off_t kept = 64 * 1024;
    QByteArray text;
    char chunk[4096];
    ssize_t got = 0;
    const off_t from = file >= 0 ? std::max<off_t>(lseek(file, 0, SEEK_END) - kept, 0) : 0;
    while (file >= 0 && text.size() < kept &&
           (got = pread(file, chunk, sizeof chunk, from + text.size())) > 0)
        text.append(chunk, got);
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    return QString::fromLocal8Bit(text.trimmed().split('\n').last()).trimmed();
}

NewGameStart howItEnded(pid_t game, int errorOutput)
{
    NewGameStart start;
    start.outcome = NewGameStart::Outcome::EndedUnseen;
    int status = 0;
    if (waitpid(game, &status, 0) == game && WIFSIGNALED(status)) {
        start.signal = WTERMSIG(status);
        start.systemText = QString::fromLocal8Bit(strsignal(start.signal));
    } else {
        start.exitStatus = WEXITSTATUS(status);
    }
    start.lastErrorLine = passOnErrorOutput(errorOutput);
    return start;
}

void closeIfOpen(int& fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}

// Passes on what this game wrote to its error output before its window showed, and takes back
// the error output it was started with.
void takeBackErrorOutput()
{
    bool named = false;
    const int own = qEnvironmentVariableIntValue(errorVariable, &named);
    unsetenv(errorVariable);
    if (!named || own <= STDERR_FILENO || fcntl(own, F_GETFD) < 0)
        return;
    std::fflush(stderr);
    char chunk[4096];
    off_t at = 0;
    ssize_t got = 0;
    while ((got = pread(STDERR_FILENO, chunk, sizeof chunk, at)) > 0 && write(own, chunk, got) > 0)
        at += got;
    dup2(own, STDERR_FILENO);
    close(own);
}

void tellShown()
{
    bool named = false;
    const int fd = qEnvironmentVariableIntValue(shownVariable, &named);
    // Games this one starts get a pipe of their own.
    unsetenv(shownVariable);
    struct stat file = {};
    if (!named || fd <= STDERR_FILENO || fstat(fd, &file) != 0 || !S_ISFIFO(file.st_mode) ||
        (fcntl(fd, F_GETFL) & O_ACCMODE) != O_WRONLY)
        return;
    const char shownByte = 1;
    (void)!write(fd, &shownByte, 1);
    close(fd);
}

} // namespace

Wait::Wait()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return;
    m_readEnd = ends[0];
    m_writeEnd = ends[1];
    fcntl(m_readEnd, F_SETFL, O_NONBLOCK);
    // Only the new game gets the write end: it is open across the start, and closed here after.
    fcntl(m_writeEnd, F_SETFD, 0);
    m_shownEntry = QByteArray(shownVariable) + '=' + QByteArray::number(m_writeEnd);
    m_errorOutput = memfd_create("new game's error output", MFD_CLOEXEC);
    m_starterErrorOutput = fcntl(STDERR_FILENO, F_DUPFD, STDERR_FILENO + 1);
    if (m_errorOutput < 0 || m_starterErrorOutput < 0) {
        closeIfOpen(m_errorOutput);
        closeIfOpen(m_starterErrorOutput);
        return;
    }
    m_errorEntry = QByteArray(errorVariable) + '=' + QByteArray::number(m_starterErrorOutput);
}

Wait::~Wait()
{
    started();
    closeIfOpen(m_readEnd);
    closeIfOpen(m_errorOutput);
}

std::vector<char*> Wait::environment()
{
    std::vector<char*> strings;
    const QByteArray shownPrefix = QByteArray(shownVariable) + '=';
    const QByteArray errorPrefix = QByteArray(errorVariable) + '=';
    for (char** entry = environ; *entry; ++entry)
        if (!QByteArray(*entry).startsWith(shownPrefix) &&
            !QByteArray(*entry).startsWith(errorPrefix))
            strings.push_back(*entry);
    for (QByteArray* entry : {&m_shownEntry, &m_errorEntry})
        if (!entry->isEmpty())
            strings.push_back(entry->data());
    strings.push_back(nullptr);
    return strings;
}

void Wait::started()
{
    closeIfOpen(m_writeEnd);
    closeIfOpen(m_starterErrorOutput);
}

NewGameStart Wait::untilShown(pid_t game, std::chrono::milliseconds limit)
{
    // Without the pipe the old game cannot know; it goes on as if the window were shown.
    if (m_readEnd < 0)
        return {};
    // As the question did while it was open.
    const InputHeldBack inputHeldBack;
    QEventLoop loop;
    // The first of the ends counts: the word and the end of a game that showed and then ended
    // may come in one pass of the loop.
    const auto finish = [&loop](int how) {
        if (loop.isRunning())
            loop.exit(how);
    };
    // Debian 12's C library declares pidfd_open without C linkage.
    int gone = int(syscall(SYS_pidfd_open, game, 0));
    QSocketNotifier word(m_readEnd, QSocketNotifier::Read);
    QObject::connect(&word, &QSocketNotifier::activated, &loop, [&] {
        char byte = 0;
        const ssize_t got = read(m_readEnd, &byte, 1);
        if (got == 1)
            finish(shown);
        // The pipe ended with no word: the new game, or the last of its copies of the write end,
        // is gone. Where the end of the process cannot be watched, that counts as its end.
        if (got == 0) {
            word.setEnabled(false);
            if (gone < 0)
                finish(ended);
        }
    });
    std::optional<QSocketNotifier> end;
    if (gone >= 0) {
        end.emplace(gone, QSocketNotifier::Read);
        QObject::connect(&*end, &QSocketNotifier::activated, &loop, [&] {
            char byte = 0;
            finish(read(m_readEnd, &byte, 1) == 1 ? shown : ended);
        });
    }
    QTimer::singleShot(limit, &loop, [&finish] { finish(0); });
    const int result = loop.exec();
    end.reset();
    closeIfOpen(gone);

    if (result == shown)
        return {};
    if (result == ended)
        return howItEnded(game, m_errorOutput);
    // A new game that is only slow is still a game: ended, the player would have none.
    std::fprintf(stderr,
                 "vore-trelliq: the new game has not shown its window within %g seconds; this "
                 "game ends and leaves it to finish starting.\n",
                 double(limit.count()) / 1000);
    NewGameStart start;
    start.outcome = NewGameStart::Outcome::StillStarting;
    return start;
}

void tellStarter()
{
    // A starter that has gone meanwhile must not end this game: the writes then fail quietly.
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction previous = {};
    sigaction(SIGPIPE, &ignore, &previous);
    takeBackErrorOutput();
    tellShown();
    sigaction(SIGPIPE, &previous, nullptr);
}

} // namespace WindowShownNotice
