#include "platform/OwnExecutable.h"

#include <QCoreApplication>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char selfLink[] = "/proc/self/exe";

// The link read now: Qt caches the name the file had at start.
QByteArray readSelfLink()
{
    QByteArray buffer(256, Qt::Uninitialized);
    for (;;) {
        const ssize_t length = ::readlink(selfLink, buffer.data(), buffer.size());
        if (length < 0)
            return QFile::encodeName(QCoreApplication::applicationFilePath());
        if (length < buffer.size())
            return buffer.first(length);
        buffer.resize(buffer.size() * 2);
    }
}

bool sameFile(const struct stat& one, const struct stat& other)
{
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

bool isRunnableFile(const QByteArray& path)
{
    struct stat info = {};
    return ::stat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.constData(), X_OK) == 0;
}

} // namespace

namespace OwnExecutable {

QByteArray path()
{
    const QByteArray linked = readSelfLink();
    // A file that is really named "... (deleted)" and still runs is taken at its word.
    struct stat running = {};
    struct stat named = {};
    if (::stat(selfLink, &running) == 0 && ::stat(linked.constData(), &named) == 0 &&
        sameFile(running, named))
        return linked;

    // When the running file has been replaced, as a package upgrade does (a new file renamed
    // over the old one), the kernel appends this to the old name; the new file stands there.
    static const QByteArray deleted(" (deleted)");
    if (linked.endsWith(deleted)) {
        const QByteArray replacement = linked.chopped(deleted.size());
        if (isRunnableFile(replacement))
            return replacement;
    }
    return linked;
}

QByteArray folder()
{
    const QByteArray file = path();
    const qsizetype slash = file.lastIndexOf('/');
    if (slash < 0)
        return QByteArray(".");
    return slash == 0 ? QByteArray("/") : file.first(slash);
}

} // namespace OwnExecutable
