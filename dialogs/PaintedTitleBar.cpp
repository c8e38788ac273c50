#include "dialogs/PaintedTitleBar.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
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
constexpr Look backdrop{0xFDFDFD, 0xF6F5F4, 0xF6F5F4, 0xD5D0CC, 0x929595};
// The close control's round ground while the pointer is over it, and while it is pressed.
constexpr QRgb hoverGround = 0xCFCAC4;
constexpr QRgb pressedGround = 0xBAB3AC;

// The dark line round the window, and the light line under the close control's cross while the
// window has the keyboard.
constexpr QRgb edgeColour = 0x3B000000;
constexpr QRgb crossShadow = 0xC2FFFFFF;

constexpr int cornerRadius = 8;
// The cross fills 8 by 8 pixels.
constexpr qreal crossHalf = 4;
constexpr qreal crossWidth = 1.5;

// A rectangle with its top corners rounded.
QPainterPath roundedTop(const QRectF& box, qreal radius)
{
    QPainterPath path;
    path.moveTo(box.bottomLeft());
    path.arcTo(box.left(), box.top(), 2 * radius, 2 * radius, 180, -90);
    path.arcTo(box.right() - 2 * radius, box.top(), 2 * radius, 2 * radius, 90, -90);
    path.lineTo(box.bottomRight());
    path.closeSubpath();
    return path;
}

} // namespace

PaintedTitleBar::PaintedTitleBar(QWidget& window)
    : QWidget(&window), m_pointer(QApplication::startDragDistance())
{
    setObjectName(QStringLiteral("titleBar"));
    setGeometry(edge, edge, window.width() - 2 * edge, barHeight);
    m_pointer.setBarWidth(width());
    setMouseTracking(true);
    window.setAttribute(Qt::WA_TranslucentBackground);
    window.installEventFilter(this);
}

bool PaintedTitleBar::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowTitleChange:
    case QEvent::ActivationChange:
        update();
        break;
    case QEvent::Resize:
        setGeometry(edge, edge, window()->width() - 2 * edge, barHeight);
        m_pointer.setBarWidth(width());
        break;
    case QEvent::Paint:
        paintWindowGround();
        break;
    default:
        break;
    }
    return false;
}

// Painted before the window's own painting: its edge, and its ground inside, round at the top.
void PaintedTitleBar::paintWindowGround()
{
    QWidget& window = *this->window();
    QPainter painter(&window);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF outline = window.rect();
    painter.fillPath(roundedTop(outline, cornerRadius + edge), QColor::fromRgba(edgeColour));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillPath(roundedTop(outline.adjusted(edge, edge, -edge, -edge), cornerRadius),
                     window.palette().window());
}

void PaintedTitleBar::paintEvent(QPaintEvent*)
{
    const Look& look = window()->isActiveWindow() ? active : backdrop;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The light top row follows the rounded corners.
    QLinearGradient ground(0, 1, 0, barHeight - 1);
    ground.setColorAt(0, QColor::fromRgb(look.gradientTop));
    ground.setColorAt(1, QColor::fromRgb(look.gradientBottom));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillPath(roundedTop(QRectF(0, 0, width(), barHeight - 1), cornerRadius),
                     QColor::fromRgb(look.highlight));
    painter.fillPath(roundedTop(QRectF(0, 1, width(), barHeight - 2), cornerRadius), ground);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(0, barHeight - 1, width(), 1, QColor::fromRgb(look.border));

    const QRect control = m_pointer.closeControl();
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

    const bool pressed = m_pointer.closePressed();
    const bool underPointer = m_pointer.closeUnderPointer();
    if (pressed || underPointer) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgb(pressed && underPointer ? pressedGround : hoverGround));
        painter.drawEllipse(control);
    }
    const QPointF centre = QRectF(control).center();
    const auto drawCross = [&painter](QPointF at, QColor colour) {
        painter.setPen(QPen(colour, crossWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(at + QPointF(-crossHalf, -crossHalf), at + QPointF(crossHalf, crossHalf));
        painter.drawLine(at + QPointF(-crossHalf, crossHalf), at + QPointF(crossHalf, -crossHalf));
    };
    if (&look == &active)
        drawCross(centre + QPointF(0, 1), QColor::fromRgba(crossShadow));
    drawCross(centre, QColor::fromRgb(look.text));
}

void PaintedTitleBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pointer.press(event->position().toPoint());
    update();
}

void PaintedTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    const bool wasUnderPointer = m_pointer.closeUnderPointer();
    act(m_pointer.move(event->position().toPoint(), event->buttons() & Qt::LeftButton));
    if (m_pointer.closeUnderPointer() != wasUnderPointer)
        update();
}

void PaintedTitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    act(m_pointer.release(event->position().toPoint()));
    update();
}

void PaintedTitleBar::leaveEvent(QEvent*)
{
    m_pointer.leave();
    update();
}

void PaintedTitleBar::act(TitleBarPointer::Action action)
{
    if (action == TitleBarPointer::Action::StartMove)
        window()->windowHandle()->startSystemMove();
    else if (action == TitleBarPointer::Action::Close)
        window()->close();
}
