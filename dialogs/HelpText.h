#pragma once

#include <QByteArray>
#include <QString>

namespace HelpText {

enum class Ending
{
    Complete,
    // The bytes stop at a size limit, possibly inside a character.
    CutShort,
};

// The help file's bytes as text: UTF-8 when they are valid UTF-8, otherwise Windows-1250, the
// code page the game's Czech texts were first written in. Bytes that Windows-1250 leaves
// undefined become U+FFFD.
QString decode(const QByteArray& bytes, Ending ending);

} // namespace HelpText
