#include "dialogs/HelpText.h"

#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

// The length of a multi-byte UTF-8 sequence that the end of the bytes cuts short, or 0.
qsizetype unfinishedUtf8Tail(const QByteArray& bytes)
{
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

QString decodeWindows1250(const QByteArray& bytes)
{
    static constexpr char replacement[] = "\xEF\xBF\xBD"; // U+FFFD in UTF-8
    const iconv_t converter = iconv_open("UTF-8", "WINDOWS-1250");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        // Without the code page module only ASCII can be read for sure.
        QByteArray ascii;
        for (char byte : bytes)
            ascii += static_cast<unsigned char>(byte) < 0x80 ? QByteArray(1, byte) : replacement;
        return QString::fromUtf8(ascii);
    }
    // Every character of the code page lies in the Basic Multilingual Plane: three UTF-8 bytes
    // at most.
    QByteArray utf8(bytes.size() * 3, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    std::size_t inLeft = static_cast<std::size_t>(bytes.size());
    char* out = utf8.data();
    std::size_t outLeft = static_cast<std::size_t>(utf8.size());
    while (inLeft > 0 &&
           iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
        if (errno != EILSEQ)
            break;
        // A byte that the code page leaves undefined: show that something was there.
        std::memcpy(out, replacement, 3);
        out += 3;
        outLeft -= 3;
        ++in;
        --inLeft;
    }
    iconv_close(converter);
    utf8.truncate(out - utf8.data());
    return QString::fromUtf8(utf8);
}

constexpr bool isLineBreak(char16_t character)
{
    return character == u'\n' || character == u'\r' || character == u'\u2028' ||
           character == u'\u2029';
}

} // namespace

namespace HelpText {

QString decode(const QByteArray& bytes, Ending ending)
{
    const qsizetype tail = ending == Ending::CutShort ? unfinishedUtf8Tail(bytes) : 0;
    // Stateless, so that bytes ending inside a character count as an error.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes).first(bytes.size() - tail));
    if (!utf8.hasError())
        return text;
    return decodeWindows1250(bytes);
}

QString shapeForView(const QString& text, qsizetype longest, qsizetype most)
{
    // One pass that copies runs of the text, not characters, and stops at the last line kept:
    // the text may be megabytes of line breaks.
    const auto* characters = reinterpret_cast<const char16_t*>(text.utf16());
    QString shaped;
    qsizetype copied = 0;
    const auto copyUpTo = [&](qsizetype end) {
        shaped.append(QStringView(characters + copied, end - copied));
        copied = end;
    };
    const auto cutAt = [&](qsizetype end) {
        copyUpTo(end);
        // A carriage return left last would pair with the note's line feed into one break.
        if (shaped.endsWith(u'\r'))
            shaped += u'\n';
        return shaped + HelpLimits::tooManyLinesNote(most);
    };

    qsizetype lines = 1;
    qsizetype lineLength = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t character = characters[at];
        if (isLineBreak(character)) {
            if (lines == most)
                return cutAt(at);
            ++lines;
            lineLength = 0;
            if (character == u'\r' && at + 1 < text.size() && characters[at + 1] == u'\n')
                ++at;
            continue;
        }
        if (lineLength >= longest && !QChar::isLowSurrogate(character)) {
            if (lines == most)
                return cutAt(at);
            ++lines;
            copyUpTo(at);
            shaped += u'\n';
            lineLength = 0;
        }
        ++lineLength;
    }
    if (copied == 0)
        return text;
    copyUpTo(text.size());
    return shaped;
}

} // namespace HelpText
