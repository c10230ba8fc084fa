// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the side windows share: their labels, drawn in one place, and their opening spot over
// the window that opened them.

#include <QRect>
#include <QString>
#include <Qt>

class QLabel;
class QWidget;

namespace hexaline::table {

// How a side window's label looks. The defaults: the window's font at 11 pixels, the table's
// light text, rich text allowed (the windows' own texts only), QLabel's own alignment.
struct LabelLook {
    const char* name = nullptr;  // the object name tests find it by; none when null
    int pixels = 11;             // the font's pixel height
    bool bold = false;
    const char* family = nullptr;  // a font family of its own instead of the window's font
    bool plainText = false;        // for names from peers and files: never read as markup
    bool lightText = true;         // false keeps the parent's text colour
    Qt::Alignment alignment = {};  // empty keeps QLabel's own
    bool wordWrap = false;
};

// A label with `look`, placed at `at` (a null rectangle leaves the place to a layout).
QLabel* styledLabel(QWidget* parent, const QString& text, const QRect& at,
                    const LabelLook& look = {});

// Moves `window` so that its centre lies on the centre of `area`.
void centreIn(QWidget& window, const QRect& area);
// Moves `window` so that its centre lies on the centre of `over`'s frame; nothing when `over`
// is null.
void centreOver(QWidget& window, const QWidget* over);

// When a side window opened again goes back over the window that opens it.
enum class Reopen {
    Centred,       // always
    WhereItStays,  // only when it was hidden; an open one stays where the user put it
};
// Shows a side window without blocking, in front and, with `activate`, taking the keyboard.
void showOver(QWidget& window, const QWidget* over, Reopen reopen, bool activate = true);

}  // namespace hexaline::table
