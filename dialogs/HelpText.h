#pragma once

#include "dialogs/HelpLimits.h"

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

// The text as a text view can show it at once.
// - Laying out a line takes time that grows with the square of its length, and a text view
//   lays out a whole line as soon as any of it shows: one line of megabytes would freeze the
//   window for minutes. Every line longer than longest characters is broken into pieces of
//   that length, never between the two halves of a surrogate pair.
// - A text view keeps hundreds of bytes for every line, so a file of nothing but line breaks
//   would take gigabytes and a minute to show. Only the first most lines, pieces counted, are
//   kept; when there are more, the text ends with HelpLimits::tooManyLinesNote(most).
// Lines end as a text view ends them: at LF, CR, CR LF and the line and paragraph separators.
QString shapeForView(const QString& text, qsizetype longest = HelpLimits::longestLine,
                     qsizetype most = HelpLimits::mostLines);

} // namespace HelpText
