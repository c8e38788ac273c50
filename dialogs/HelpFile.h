#pragma once

#include <QByteArray>
#include <QString>

namespace HelpFile {

// More than this is not read: the whole text goes into one widget on the user-interface thread.
inline constexpr qsizetype byteLimit = 8 * 1024 * 1024;

// The text of "Help.txt" in the folder, decoded. When nothing at all is there, an empty file is
// created in its place. Anything that is not a readable regular file (a pipe, a device, a
// folder, a dangling link, a file without read permission) gives the empty text, and so does
// a folder where the file cannot be created. A file longer than limit gives its beginning
// followed by a note that the rest was left out. The folder is named by the file system's
// bytes, which need not be text.
QString read(const QByteArray& folder, qsizetype limit = byteLimit);

// The note that ends a text cut at byteLimit, starting on a line of its own.
QString cutShortNote();

} // namespace HelpFile
