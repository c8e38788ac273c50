#include "dialogs/SideWindowTitleBar.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {

// The colours of GNOME's dialogs, read from one under the same compositor.
struct Look
{
    QRgb highlight; // the bar's top row
    QRgb gradientTop;
    QRgb gradientBottom;
    QRgb border; // the bar's bottom row
    QRgb text;
};
constexpr Look active{0xF9F8F8, 0xE1DEDB, 0xDAD6D2, 0xBFB8B1, 0x2E3436};
// While another window has the keyboard.
constexpr Look backdrop{0xF6F5F4, 0xF6F5F4, 0xF6F5F4, 0xD5D0CC, 0x929595};
// The close control's round ground while the pointer is over it, and while it is pressed.
constexpr QRgb hoverGround = 0xCFCAC4;
constexpr QRgb pressedGround = 0xBAB3AC;

constexpr int controlSize = 24;
// From the bar's right end to the close control's centre.
constexpr int controlInset = 19;
constexpr int crossHalf = 4;

} // namespace

SideWindowTitleBar::SideWindowTitleBar(QWidget& window) : QWidget(&window)
{
    setObjectName(QStringLiteral("titleBar"));
    setGeometry(0, 0, window.width(), barHeight);
    setMouseTracking(true);
    window.installEventFilter(this);
}

bool SideWindowTitleBar::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::ActivationChange)
        update();
    return false;
}

QRect SideWindowTitleBar::closeControl() const
{
    return QRect(width() - controlInset - controlSize / 2, (barHeight - 1 - controlSize) / 2,
                 controlSize, controlSize);
}

void SideWindowTitleBar::paintEvent(QPaintEvent*)
{
    const Look& look = window()->isActiveWindow() ? active : backdrop;
    QPainter painter(this);
    QLinearGradient ground(0, 1, 0, barHeight - 1);
    ground.setColorAt(0, QColor::fromRgb(look.gradientTop));
    ground.setColorAt(1, QColor::fromRgb(look.gradientBottom));
    painter.fillRect(0, 1, width(), barHeight - 2, ground);
    painter.fillRect(0, 0, width(), 1, QColor::fromRgb(look.highlight));
    painter.fillRect(0, barHeight - 1, width(), 1, QColor::fromRgb(look.border));

    const QRect control = closeControl();
    // The title is centred on the bar, and kept clear of the control on either side.
    const int margin = width() - control.left();
    QFont title = font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 11 / 9);
    painter.setFont(title);
    painter.setPen(QColor::fromRgb(look.text));
    const QRect titleBox(margin, 0, width() - 2 * margin, barHeight - 1);
    painter.drawText(titleBox, Qt::AlignCenter,
                     painter.fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight,
                                                      titleBox.width()));

    painter.setRenderHint(QPainter::Antialiasing);
    if (m_closePressed || m_closeUnderPointer) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(
            QColor::fromRgb(m_closePressed && m_closeUnderPointer ? pressedGround : hoverGround));
        painter.drawEllipse(control);
    }
    painter.setPen(QPen(QColor::fromRgb(look.text), 2));
    const QPointF centre = QRectF(control).center();
    painter.drawLine(centre + QPointF(-crossHalf, -crossHalf),
                     centre + QPointF(crossHalf, crossHalf));
    painter.drawLine(centre + QPointF(-crossHalf, crossHalf),
                     centre + QPointF(crossHalf, -crossHalf));
}

void SideWindowTitleBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (closeControl().contains(event->position().toPoint())) {
        m_closePressed = true;
        update();
        return;
    }
    m_movePressedAt = event->position().toPoint();
}

void SideWindowTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    // The move starts once the pointer has moved with the button held, so that a click on the
    // bar leaves the window where it is and hands the compositor no grab. The compositor then
    // moves the window until the button is let go.
    if (m_movePressedAt && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - *m_movePressedAt).manhattanLength() >=
            QApplication::startDragDistance()) {
        m_movePressedAt.reset();
        window()->windowHandle()->startSystemMove();
        return;
    }
    const bool over = closeControl().contains(event->position().toPoint());
    if (over != m_closeUnderPointer) {
        m_closeUnderPointer = over;
        update();
    }
}

void SideWindowTitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_movePressedAt.reset();
    if (!m_closePressed)
        return;
    m_closePressed = false;
    update();
    if (closeControl().contains(event->position().toPoint()))
        window()->close();
}

void SideWindowTitleBar::leaveEvent(QEvent*)
{
    m_closeUnderPointer = false;
    update();
}
