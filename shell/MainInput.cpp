// The main window's mouse handling: which element takes a press, what counts as a click, and
// the handlers of the window's own buttons.

#include "dialogs/SideWindows.h"
#include "layout/MainLayout.h"
#include "shell/DevicePixels.h"
#include "shell/Main.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <utility>

QPoint Main::skinPixelUnder(const QMouseEvent& event) const
{
    // The event's own position() is rounded to whole device-independent pixels, which on a
    // scaled screen may be the next skin pixel over from the one shown under the pointer.
    return skinPixelAt(event.scenePosition(), devicePixelRatioF());
}

void Main::mousePressEvent(QMouseEvent* event)
{
    m_skinDrag.cancel();
    const QPoint point = skinPixelUnder(*event);
    // The mask keeps presses on cut-away pixels from reaching us; where the window system
    // passes them anyway they belong to whatever lies behind, not to the skin.
    if (!mask().isEmpty() && !mask().contains(point)) {
        event->ignore();
        return;
    }
    if (const auto target = MainLayout::elementAt(m_board.elements(), point))
        elementPressed(*target, point, event->button());
    else
        picMainSkin_MouseDown(event->button(), event->globalPosition(),
                              devicePixelAt(event->scenePosition(), devicePixelRatioF()));
}

void Main::mouseMoveEvent(QMouseEvent* event)
{
    m_skinDrag.pointerMoved(*this, event->buttons(), event->globalPosition());
}

void Main::mouseReleaseEvent(QMouseEvent* event)
{
    m_skinDrag.released(event->button());
    if (event->button() != Qt::LeftButton)
        return;
    const auto pressed = std::exchange(m_clickCandidate, std::nullopt);
    if (pressed && MainLayout::elementAt(m_board.elements(), skinPixelUnder(*event)) == pressed)
        elementClicked(*pressed);
}

void Main::mouseDoubleClickEvent(QMouseEvent*)
{
    m_skinDrag.cancel();
    m_clickCandidate.reset();
}

void Main::hideEvent(QHideEvent*)
{
    m_skinDrag.cancel();
}

void Main::elementPressed(ElementId id, QPoint point, Qt::MouseButton button)
{
    const Element& element = m_board[id];
    if (element.role.kind == ElementKind::PaletteStrip) {
        m_hand.koliky_MouseDown(element.index, point - element.rect.topLeft());
        return;
    }
    // The other elements answer a click of the left button, as a button does; a press of
    // another button on them does nothing, not even drag the window.
    if (button == Qt::LeftButton)
        m_clickCandidate = id;
}

void Main::elementClicked(ElementId id)
{
    const Element& element = m_board[id];
    switch (element.role.kind) {
    case ElementKind::Hole:
        m_hand.i_Click(element.role.row, element.role.column);
        break;
    case ElementKind::ConfirmArea:
        m_game.ok_Click(element.index);
        break;
    case ElementKind::TitleButton:
        titleButtonClicked(element.role.action);
        break;
    case ElementKind::PaletteStrip: // takes the press, not the click
    case ElementKind::CodePeg:      // the others are never enabled
    case ElementKind::PegDisplay:
    case ElementKind::KeyPlace:
        break;
    }
}

void Main::titleButtonClicked(TitleAction action)
{
    switch (action) {
    case TitleAction::About:
        about_Click();
        break;
    case TitleAction::Help:
        help_Click();
        break;
    case TitleAction::Minimise:
        minim_Click();
        break;
    case TitleAction::Close:
        m_game.kon_Click();
        break;
    case TitleAction::None:
        break;
    }
}

void Main::picMainSkin_MouseDown(Qt::MouseButton button, QPointF globalPosition, QPoint grip)
{
    m_skinDrag.pressed(*this, button, globalPosition, grip);
}

void Main::closeEvent(QCloseEvent* event)
{
    event->ignore();
    m_game.kon_Click();
}

void Main::minim_Click()
{
    setWindowState(windowState() | Qt::WindowMinimized);
}

void Main::about_Click()
{
    showAboutDialog(windowHandle());
}

void Main::help_Click()
{
    showHelpWindow(windowHandle());
}
