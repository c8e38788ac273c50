#pragma once

#include "dialogs/TitleBarPointer.h"

#include <QWidget>

// The title bar that a window of the game paints itself where the window system draws none, and
// the window's edge: the window's title and a close control, in the look of the desktop's own
// dialogs, with the top corners rounded. A drag on the bar moves the window; there is nothing to
// minimise, maximise or resize. Serves the side windows and the message boxes.
class PaintedTitleBar : public QWidget
{
public:
    // Lies across the top of the window inside its edge, and follows the window's width, its
    // title and whether it has the keyboard. The window paints no background of its own from
    // then on: the bar paints it, so that the corners stay clear. Call it before the window is
    // first shown.
    explicit PaintedTitleBar(QWidget& window);

    static constexpr int barHeight = TitleBarPointer::barHeight;
    // The dark line round the window, outside what it shows.
    static constexpr int edge = 1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintWindowGround();
    void act(TitleBarPointer::Action action);

    TitleBarPointer m_pointer;
};
