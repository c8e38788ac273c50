// Any bytes, decoded as the help file is and shaped for the view as the Help window does.

#include "dialogs/HelpText.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr qsizetype longest = 7;
constexpr qsizetype most = 5;

bool isLineBreak(QChar character)
{
    return character == u'\n' || character == u'\r' || character == QChar::LineSeparator ||
           character == QChar::ParagraphSeparator;
}

// A piece runs one past the longest only to end a surrogate pair that it began.
bool linesAreShort(const QString& text)
{
    qsizetype length = 0;
    for (const QChar character : text) {
        length = isLineBreak(character) ? 0 : length + 1;
        if (length > longest && !(length == longest + 1 && character.isLowSurrogate()))
            return false;
    }
    return true;
}

void check(const QString& text)
{
    const QString broken = HelpText::shapeForView(text, longest, text.size() + 2);
    if (!linesAreShort(broken))
        std::abort();
    // Breaking only adds line feeds.
    if (QString(broken).remove(u'\n') != QString(text).remove(u'\n'))
        std::abort();
    // Cutting keeps the beginning of what breaking gives, and says so.
    const QString kept = HelpText::shapeForView(text, longest, most);
    const QString note = HelpLimits::tooManyLinesNote(most);
    if (kept != broken) {
        if (!kept.endsWith(note))
            std::abort();
        QString start = kept.chopped(note.size());
        if (start.endsWith(u"\r\n") && !broken.startsWith(start))
            start.chop(1);
        if (!broken.startsWith(start))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    check(HelpText::decode(bytes, HelpText::Ending::Complete));
    check(HelpText::decode(bytes, HelpText::Ending::CutShort));
    return 0;
}
