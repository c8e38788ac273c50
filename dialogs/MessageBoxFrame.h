#pragma once

class QMessageBox;

// Where the window system draws no title bars, gives a message box of the game the title bar and
// edge the side windows wear, in place of the one Qt would draw with minimise and maximise
// buttons: the box's title and a close control, which answers as Escape does. Elsewhere the box
// stays as it is. Call it before the box is first shown.
void frameMessageBox(QMessageBox& box);
