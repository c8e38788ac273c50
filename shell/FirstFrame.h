#pragma once

class QWidget;

// Work that waits for the window's first frame: called when the window paints for the first
// time, each posts its work, which runs once the painting under way has gone to the window
// system, so that it does not delay that frame.

// Builds with the test hooks end the program there when VORE_QUIT_AFTER_FIRST_PAINT is set, so
// that a profiler counts the work from starting the program to its first frame, and no more.
// Other builds do nothing. Call it before anything else is posted.
void quitAfterFirstFrameIfProfiling(QWidget& window);

// Gives the window its icon, which the player does not need to see the window's face.
void setIconAfterFirstFrame(QWidget& window);

// Tells the game that started this one, if another did, that the window is on the screen.
void tellStarterAfterFirstFrame(QWidget& window);

// Prepares in the idle time what the first text the player asks for would otherwise wait for.
void warmTextAfterFirstFrame(QWidget& window);
