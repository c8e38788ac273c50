#include "platform/WindowShownNotice.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace WindowShownNotice {

namespace {

constexpr char variable[] = "VORE_TRELLIQ_SHOWN_FD";

QString howItEnded(int status)
{
    if (WIFSIGNALED(status))
        return QStringLiteral("The new game ended with signal %1 before it showed its window.")
            .arg(WTERMSIG(status));
    return QStringLiteral("The new game ended with status %1 before it showed its window.")
        .arg(WEXITSTATUS(status));
}

} // namespace

Wait::Wait()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return;
    m_readEnd = ends[0];
    m_writeEnd = ends[1];
    // Only the new game gets the write end: it is open across the start, and closed here after.
    fcntl(m_writeEnd, F_SETFD, 0);
    m_entry = QByteArray(variable) + '=' + QByteArray::number(m_writeEnd);
}

Wait::~Wait()
{
    started();
    if (m_readEnd >= 0)
        close(m_readEnd);
}

std::vector<char*> Wait::environment()
{
    std::vector<char*> strings;
    const QByteArray prefix = QByteArray(variable) + '=';
    for (char** entry = environ; *entry; ++entry)
        if (!QByteArray(*entry).startsWith(prefix))
            strings.push_back(*entry);
    if (m_writeEnd >= 0)
        strings.push_back(m_entry.data());
    strings.push_back(nullptr);
    return strings;
}

void Wait::started()
{
    if (m_writeEnd >= 0)
        close(m_writeEnd);
    m_writeEnd = -1;
}

std::optional<QString> Wait::untilShown(pid_t game, std::chrono::milliseconds limit)
{
    // Without the pipe the old game cannot know; it goes on as if the window were shown.
    if (m_readEnd < 0)
        return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd readable{m_readEnd, POLLIN, 0};
        const int ready = poll(&readable, 1, int(std::max<long long>(left.count(), 0)));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        char byte = 0;
        const ssize_t got = read(m_readEnd, &byte, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got == 1)
            return std::nullopt;
        // The pipe ended with no word: the new game, or the last of its copies of the write end,
        // is gone.
        int status = 0;
        if (waitpid(game, &status, 0) == game)
            return howItEnded(status);
        return QStringLiteral("The new game ended before it showed its window.");
    }
    // Neither shown nor ended: a new game that the player cannot see is no game; ended, it does
    // not run on unseen.
    kill(game, SIGKILL);
    waitpid(game, nullptr, 0);
    return QStringLiteral("The new game did not show its window within %1 seconds.")
        .arg(limit.count() / 1000);
}

void tellStarter()
{
    bool named = false;
    const int fd = qEnvironmentVariableIntValue(variable, &named);
    // Games this one starts get a pipe of their own.
    unsetenv(variable);
    struct stat file = {};
    if (!named || fd <= STDERR_FILENO || fstat(fd, &file) != 0 || !S_ISFIFO(file.st_mode) ||
        (fcntl(fd, F_GETFL) & O_ACCMODE) != O_WRONLY)
        return;
    // A starter that has gone meanwhile must not end this game: the write then fails quietly.
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction previous = {};
    sigaction(SIGPIPE, &ignore, &previous);
    const char shown = 1;
    (void)!write(fd, &shown, 1);
    sigaction(SIGPIPE, &previous, nullptr);
    close(fd);
}

} // namespace WindowShownNotice
