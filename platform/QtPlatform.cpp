#include "platform/QtPlatform.h"

#include "platform/OwnExecutable.h"
#include "platform/WindowShownNotice.h"
#include "platform/WindowSystem.h"

#include <QWidget>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <unistd.h>

namespace {

PegPointers::Scaling pointerScaling()
{
    return WindowSystem::cursorTakesPictureRatio() ? PegPointers::Scaling::PictureRatio
                                                   : PegPointers::Scaling::DevicePixels;
}

} // namespace

QtPlatform::QtPlatform(std::chrono::milliseconds newGameWait)
    : m_pegPointers(pointerScaling()), m_newGameWait(newGameWait)
{}

void QtPlatform::setMainWindow(QWidget* window, const BoxFrame& boxFrame)
{
    m_pointerWidget = window;
    m_messageBox.setOwner(window, boxFrame);
    m_questionBox.setOwner(window, boxFrame);
}

double QtPlatform::timeOfDay() const
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    const double seconds = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    return seconds + static_cast<double>(now.tv_nsec / 1000) / 1e6;
}

void QtPlatform::seedRandom(double seed)
{
    m_generator.seed(static_cast<std::uint64_t>(std::llround(seed * 1e6)));
}

double QtPlatform::nextRandom()
{
    // generate_canonical may round up to exactly 1.0 on some library versions; keep [0, 1).
    const double value = std::generate_canonical<double, 53>(m_generator);
    return value < 1.0 ? value : std::nextafter(1.0, 0.0);
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::showMessage(const QString& text)
{
    m_messageBox.run(text);
}

Answer QtPlatform::askYesNoCancel(const QString& text)
{
    switch (m_questionBox.run(text)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void QtPlatform::setPointer(int colour)
{
    if (!m_pointerWidget)
        return;
    if (colour == 0) {
        m_pointerWidget->unsetCursor();
        return;
    }
    m_pointerWidget->setCursor(m_pegPointers.pointer(colour, m_pointerWidget->devicePixelRatioF()));
}

QByteArray QtPlatform::runningExecutable() const
{
    return OwnExecutable::path();
}

NewGameStart QtPlatform::startNewGameAndWaitForWindow(const QByteArray& path)
{
    // Spawned straight from the path's bytes: Qt would take the path as text first. The new game
    // starts with the signal handling a program expects, whatever this one has changed.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    WindowShownNotice::Wait shown;
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    if (shown.errorOutput() >= 0)
        posix_spawn_file_actions_adddup2(&files, shown.errorOutput(), STDERR_FILENO);
    std::vector<char*> environment = shown.environment();
    char* arguments[] = {const_cast<char*>(path.constData()), nullptr};
    pid_t child = 0;
    const int error =
        posix_spawn(&child, path.constData(), &files, &attributes, arguments, environment.data());
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    shown.started();
    if (error != 0) {
        NewGameStart notStarted;
        notStarted.outcome = NewGameStart::Outcome::NotStarted;
        notStarted.systemText = QString::fromLocal8Bit(std::strerror(error));
        return notStarted;
    }
    return shown.untilShown(child, m_newGameWait);
}

void QtPlatform::endProgram()
{
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}
