#pragma once

#include <QString>

// How much of "Help.txt" the Help window takes at most, and the notes that end a text cut at a
// limit. Each limit lies far beyond any help a person writes; together they keep a file of any
// size or shape from freezing the window or taking gigabytes.
namespace HelpLimits {

// Bytes read: the whole text goes into one widget on the user-interface thread.
inline constexpr qsizetype byteLimit = 8 * 1024 * 1024;
// Characters of a line before it is broken: short enough to lay out at once.
inline constexpr qsizetype longestLine = 4096;
// Lines shown, pieces of broken lines counted: few enough to show at once.
inline constexpr qsizetype mostLines = 10000;

// Each note starts on a line of its own and says, in Czech and then in English, what was left
// out.

// The note that ends a text cut at byteLimit.
QString cutShortNote();
// The note that ends a text cut after most lines.
QString tooManyLinesNote(qsizetype most);

} // namespace HelpLimits
