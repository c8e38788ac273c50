#pragma once

#include "dialogs/HelpLimits.h"

#include <QByteArray>
#include <QString>

namespace HelpFile {

// The text of "Help.txt" in the folder, decoded. When nothing at all is there, an empty file is
// created in its place. Anything that is not a readable regular file (a pipe, a device, a
// folder, a dangling link, a file without read permission) gives the empty text, and so does
// a folder where the file cannot be created. A file longer than limit gives its beginning
// followed by HelpLimits::cutShortNote(). The folder is named by the file system's bytes, which
// need not be text.
QString read(const QByteArray& folder, qsizetype limit = HelpLimits::byteLimit);

} // namespace HelpFile
