#pragma once

// Installs Qt's own translation of the texts it shows itself (a message box's Yes, No and
// Cancel) for the system's language, on the first call; later calls do nothing. Call it before
// a window that shows such texts is made. It is left until then so that start-up does not read
// the translation files.
void translateQtTexts();
