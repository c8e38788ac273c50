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

QString breakLongLines(const QString& text, qsizetype longest)
{
    QString broken;
    broken.reserve(text.size() + text.size() / longest);
    qsizetype lineLength = 0;
    for (const QChar character : text) {
        const bool endsLine = character == u'\n' || character == u'\r';
        if (!endsLine && lineLength >= longest && !character.isLowSurrogate()) {
            broken += u'\n';
            lineLength = 0;
        }
        broken += character;
        lineLength = endsLine ? 0 : lineLength + 1;
    }
    return broken;
}

} // namespace HelpText
