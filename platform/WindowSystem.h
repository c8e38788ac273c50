#pragma once

#include <QPoint>
#include <QPointF>

class QWidget;
class QWindow;

// The one place that knows which window system the game runs on, and that makes the calls Qt has
// no word for. The rest of the game asks it in plain words. Call any of it once the application
// object exists.
namespace WindowSystem {

enum class Kind
{
    X11,
    Wayland,
    // Qt's offscreen platform, as the tests run, or any other.
    Other,
};

// In WindowSystem.cpp: what Qt answers, whatever the window system.

// The window system Qt runs on, as its platform plugin names it.
Kind current();

// Whether the window's mask also cuts what is drawn. An X server cuts the window to its mask for
// drawing as well as for input; a Wayland compositor takes the mask for input only, so there the
// key pixels must be painted transparent too.
bool maskClipsDrawing();

// Whether only the compositor can move a window. Under Wayland it takes the move from the press
// that starts it, and the move is its own from then on; elsewhere the game moves the window.
bool compositorMovesWindows();

// Whether a cursor picture goes to the window system with its device pixel ratio, as the
// buffer's scale (Wayland), rather than as its pixels are (X11); see PegPointers::Scaling.
bool cursorTakesPictureRatio();

// Shows a top-level window and brings it to the front with the keyboard focus, also when it was
// minimised or lay behind another window. Under Wayland an open window stays where it is where
// the compositor grants activation; where it offers none, the window is taken down and shown
// again, and the compositor may place it anew.
void bringToFront(QWidget& window);

// Ties a side window to the main window. Wayland has no skip-taskbar state: a compositor leaves
// a window with a parent off the task list. Qt hands the parent to the compositor when the window
// is mapped, so call it before the window is first shown. On X11 Qt names the parent only for
// dialogs, so there an ordinary window stays as it was.
void tieToMainWindow(QWidget& window, QWindow* mainWindow);

// In x11/WindowSystemX11.cpp: what only an X server answers; each does nothing, or what Qt can do,
// elsewhere.

// Moves a top-level window so that the pointer holds it at the grip, a device pixel of the
// window; the global position is the pointer's as the latest mouse event gives it. Qt places
// windows, and reports a moving pointer, in device-independent pixels only, which on a scaled
// screen reach every second device pixel or fewer: the window would lag behind the pointer.
void followPointer(QWidget& window, QPoint grip, QPointF globalPosition);

// Asks the window manager to give the window no taskbar button of its own. Call it before the
// window is first shown: the hint is read when the window is mapped. Does nothing where the
// desktop is not X11.
void keepOffTaskbar(QWidget& window);

// Lets the X library forget the requests Qt made through it. Qt's X11 platform talks to the
// server through xcb, over a connection it shares with the X library; that library keeps a note
// of each request of its own until it reads a reply sent after it, and nothing in Qt has it read
// one, so every native window Qt makes (a message box at each showing, a side window at each
// opening) would leave a few notes for good. A round trip lets it drop them all. Does nothing
// where the desktop is not X11.
void settleXlibRequests();

// In wayland/WindowSystemWayland.cpp: what only a Wayland compositor answers, asked on Qt's own
// connection to it when first needed; false elsewhere.

// Whether the calls below speak to a compositor: under Wayland.
bool speaksToCompositor();

// Whether a decorated window must draw its own title bar: under Wayland where the compositor
// offers to draw none. Qt then draws its own, and gives it minimise and maximise buttons
// whatever the window's flags ask for.
bool windowsDrawTheirTitleBars();

// Whether the compositor brings a window it is asked to activate to the front with the keyboard:
// GNOME's and KWin do, known by protocols of their own that they list. sway only marks the window
// urgent, or hands it the keyboard where it lies, behind the window pressed on; weston offers no
// activation.
bool activationRaises();

// Asks the compositor to bring a shown window to the front with the keyboard, with a token tied
// to the player's latest press; false where activation does not raise the window or the
// compositor gives no token. Presses count from the first question asked here on; from then on,
// while a modal window of the game is open, a press on another window of the game activates the
// modal one in the same way.
bool activateForLatestPress(QWidget& window);

// Tells the compositor that the shown window is a modal dialog of its parent, where it has a way
// to be told (GNOME's, which then centres it over the parent and hands it the keyboard when the
// parent is pressed on). Call it each time the window has been shown: under Wayland a window is
// made anew at each showing. Does nothing elsewhere.
void markModalDialog(QWindow& window);

} // namespace WindowSystem
