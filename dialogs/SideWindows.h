#pragma once

class QByteArray;

// The side windows exist at most once each. Each call shows the window modeless and with no
// owner, loading it first when it is not open, and brings it to the front; the game goes on
// while it is open.

void showAboutDialog();

// Shows "Help.txt" from the game's own folder.
void showHelpWindow();
// The folder, named by the file system's bytes, counts only when the window is loaded anew; an
// open window is just brought up.
void showHelpWindow(const QByteArray& folder);
