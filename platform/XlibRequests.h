#pragma once

// Qt's X11 platform talks to the server through xcb, over a connection it shares with the X
// library. That library keeps a note of each request of its own until it reads a reply sent
// after it, and nothing in Qt has it read one: every native window Qt makes (a message box at
// each showing, a side window at each opening) leaves a few notes for good. A round trip
// through the library lets it drop them all. Does nothing off X11.
void settleXlibRequests();
