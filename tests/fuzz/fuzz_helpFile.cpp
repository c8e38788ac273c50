// Any bytes as "Help.txt", read with a limit small enough that most inputs reach the cut.

#include "dialogs/HelpFile.h"
#include "dialogs/HelpText.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr qsizetype limit = 64;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QTemporaryDir folder;
    static const QByteArray folderPath = QFile::encodeName(folder.path());
    static const QByteArray filePath = folderPath + "/Help.txt";

    // A new file each time: a file truncated and written again is flushed to disk on close.
    std::remove(filePath.constData());
    std::FILE* file = std::fopen(filePath.constData(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort();

    const QString text = HelpFile::read(folderPath, limit);
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (qsizetype(size) <= limit) {
        if (text != HelpText::decode(bytes, HelpText::Ending::Complete))
            std::abort();
    } else if (!text.endsWith(HelpLimits::cutShortNote())) {
        std::abort();
    }
    return 0;
}
