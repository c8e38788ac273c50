#pragma once

#include <QRect>
#include <QString>
#include <string_view>

// What an element of the main window is, which decides what a press or a click on it does.
enum class ElementKind
{
    TitleButton,  // about, help, minim, kon
    CodePeg,      // m1 to m4
    Hole,         // i11 to i64: the click target of a guess hole
    PegDisplay,   // p11 to p64
    KeyPlace,     // h1 to h6, members 0 to 3
    ConfirmArea,  // ok(0) to ok(5)
    PaletteStrip, // koliky(0) to koliky(24)
};

// What a button of the title strip does.
enum class TitleAction
{
    None, // not a title button
    About,
    Help,
    Minimise,
    Close,
};

struct Role
{
    ElementKind kind;
    // Row 1 (bottom) to 6 of a hole, peg display or key place; 0 for other kinds.
    int row = 0;
    // Column 1 to 4 of a hole, peg display or code peg; 0 for other kinds.
    int column = 0;
    TitleAction action = TitleAction::None;

    friend bool operator==(const Role&, const Role&) = default;
};

// One image element of the main window: a borderless rectangle over the skin that may show a
// picture and may take mouse input. Places are in skin pixels.
struct Element
{
    std::string_view name;
    // The member's index within a control array such as ok(0..5); -1 for a single element.
    int index = -1;
    Role role;
    QRect rect;
    bool enabled = false;
    bool visible = true;
    // A colour number as one-character text, or empty; always set together with picture.
    QString tag;
    // The peg picture shown (a colour number 2 to 9), or 0 for none.
    int picture = 0;

    friend bool operator==(const Element&, const Element&) = default;
};
