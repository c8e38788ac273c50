#pragma once

class QWidget;

// Called when the window paints for the first time. What the player does not need to see the
// window's face (the window icon) is done only after that frame has gone to the window system,
// so that it does not delay the frame.
void afterFirstFrame(QWidget& window);
