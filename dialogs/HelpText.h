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

// Laying out a line takes time that grows with the square of its length, and a text view lays
// out a whole line as soon as any of it shows: one line of megabytes would freeze the window
// for minutes. Breaks every line longer than longest characters into pieces of that length,
// never between the two halves of a surrogate pair.
QString breakLongLines(const QString& text, qsizetype longest);

} // namespace HelpText
