#pragma once

#include <functional>

class QObject;

// The first window with text pays once for what every later one finds ready: the font database
// read from fontconfig, the fonts opened, their glyphs drawn, Qt's own translations, the styles of
// the dialogs' controls. Warming does that work in advance: the font database on a thread of its
// own, then on the main thread each side window and message box made, drawn off the screen and
// thrown away, one per turn of the event loop so that a press in between waits for one of them
// at most. Nothing is shown. Call it once the main window has shown its first frame; whenDone
// runs on the main thread when it is over, unless context is gone by then.
void warmText(QObject& context, std::function<void()> whenDone = {});
