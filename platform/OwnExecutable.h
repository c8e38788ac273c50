#pragma once

#include <QByteArray>

// File system paths here are the bytes the kernel uses: a folder name that is not valid UTF-8
// does not survive a trip through QString, so paths become text only to be shown.
namespace OwnExecutable {

// The running program's file as it is named now, which may differ from its name at start.
// After an upgrade has put a new file in its place, that new file.
QByteArray path();

// The folder that holds the running program's file.
QByteArray folder();

} // namespace OwnExecutable
