#pragma once

#include <QWidget>
#include <optional>

// The title bar that a side window paints itself where the window system draws none: the
// window's title and a close control, in the look of the desktop's own dialogs. A drag on the
// bar moves the window; there is nothing to minimise, maximise or resize.
class SideWindowTitleBar : public QWidget
{
public:
    // Lies across the top of the window, which is as wide as it stays, and follows its title
    // and whether it has the keyboard.
    explicit SideWindowTitleBar(QWidget& window);

    static constexpr int barHeight = 37;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QRect closeControl() const;

    // The close control closes the window when the press that began on it ends on it.
    bool m_closePressed = false;
    // Where a press on the rest of the bar began, until it ends or starts a move.
    std::optional<QPoint> m_movePressedAt;
    bool m_closeUnderPointer = false;
};
