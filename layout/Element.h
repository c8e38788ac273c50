#pragma once

#include <QRect>
#include <QString>
#include <string_view>

// One image element of the main window: a borderless rectangle over the skin that may show a
// picture and may take mouse input. Places are in skin pixels.
struct Element
{
    std::string_view name;
    // The member's index within a control array such as ok(0..5); -1 for a single element.
    int index = -1;
    QRect rect;
    bool enabled = false;
    bool visible = true;
    // A colour number as one-character text, or empty; always set together with picture.
    QString tag;
    // The peg picture shown (a colour number 2 to 9), or 0 for none.
    int picture = 0;

    friend bool operator==(const Element&, const Element&) = default;
};
