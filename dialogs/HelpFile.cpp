#include "dialogs/HelpFile.h"

#include "dialogs/HelpText.h"

#include <QByteArray>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    int get() const { return m_fd; }

private:
    int m_fd;
};

void createEmpty(const QByteArray& path)
{
    // O_EXCL fails on any name that exists, a dangling link included, so no file is ever made
    // at the place such a link points to.
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0)
        ::close(fd);
}

// Reads at most limit + 1 bytes, so that a caller can tell a file longer than the limit; an
// empty optional when a read fails.
std::optional<QByteArray> readAtMost(int fd, qsizetype expected, qsizetype limit)
{
    QByteArray bytes;
    bytes.reserve(qMin(expected, limit) + 1);
    std::array<char, 64 * 1024> chunk;
    while (bytes.size() <= limit) {
        const auto wanted = static_cast<std::size_t>(
            qMin<qsizetype>(static_cast<qsizetype>(chunk.size()), limit + 1 - bytes.size()));
        const ssize_t got = ::read(fd, chunk.data(), wanted);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        bytes.append(chunk.data(), got);
    }
    return bytes;
}

} // namespace

namespace HelpFile {

QString read(const QByteArray& folder, qsizetype limit)
{
    const QByteArray path = folder + "/Help.txt";

    // Look before opening: opening a pipe waits for a writer, and opening a device may do
    // anything the device does on open.
    struct stat info = {};
    if (::stat(path.constData(), &info) != 0) {
        if (errno == ENOENT)
            createEmpty(path);
        return {};
    }
    if (!S_ISREG(info.st_mode))
        return {};

    // O_NONBLOCK keeps the open from waiting should the name have become a pipe since stat.
    const FileDescriptor file(
        ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};

    const std::optional<QByteArray> bytes =
        readAtMost(file.get(), static_cast<qsizetype>(info.st_size), limit);
    if (!bytes)
        return {};
    if (bytes->size() <= limit)
        return HelpText::decode(*bytes, HelpText::Ending::Complete);
    return HelpText::decode(bytes->first(limit), HelpText::Ending::CutShort) +
           HelpLimits::cutShortNote();
}

} // namespace HelpFile
