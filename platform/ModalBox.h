#pragma once

#include <QMessageBox>
#include <QPointer>
#include <functional>

// Dresses a box before its first showing: the title bar that the game paints where the window
// system draws none.
using BoxFrame = std::function<void(QMessageBox& box)>;

class BoxShownAgain;

// A message box of the game, captioned with the application title and without an icon, made on
// its first use and kept: one built anew would decode its buttons' icons again, and Qt's pixmap
// cache would keep every copy. It belongs to the game's window and blocks every window of the
// game until the player answers.
class ModalBox
{
public:
    ModalBox(QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
    ModalBox(const ModalBox&) = delete;
    ModalBox& operator=(const ModalBox&) = delete;
    ~ModalBox();

    // The window the box belongs to, which the window system keeps it over, and its dress. Call
    // it before the first run; without it the box has no parent and no dress.
    void setOwner(QWidget* owner, BoxFrame frame);

    // Shows the text and waits for the answer. Escape and closing the box answer as the Cancel
    // button does, or as the only button where there is one.
    QMessageBox::StandardButton run(const QString& text);

private:
    QMessageBox& box();

    QMessageBox::StandardButtons m_buttons;
    QMessageBox::StandardButton m_defaultButton;
    QPointer<QWidget> m_owner;
    BoxFrame m_frame;
    // The owner deletes the box with itself.
    QPointer<QMessageBox> m_box;
    // A child of the box.
    BoxShownAgain* m_shownAgain = nullptr;
};
