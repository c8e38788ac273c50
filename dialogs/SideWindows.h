#pragma once

class QByteArray;
class QWindow;

// The side windows exist at most once each. Each call shows the window modeless, loading it
// first when it is not open, and brings it to the front; the game goes on while it is open. The
// game's window is its transient parent, which keeps it off the task list under Wayland.

void showAboutDialog(QWindow* gameWindow);

// Shows "Help.txt" from the game's own folder.
void showHelpWindow(QWindow* gameWindow);
// The folder, named by the file system's bytes, counts only when the window is loaded anew; an
// open window is just brought up.
void showHelpWindow(QWindow* gameWindow, const QByteArray& folder);
