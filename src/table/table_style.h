// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fonts, colours and sizing shared by the controls of the table.

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace hexaline::table {

// Arial at a pixel height, falling back to another sans-serif font where Arial is missing.
QFont tableFont(int pixels, bool bold = false);

// A transparent label with the table's light text.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                  int pixels = 11, bool bold = false);

void setTextColour(QWidget* widget, const QColor& colour);

// Sets a label's text and fits its width to it, as the auto-sized labels of the table do.
void setAutoText(QLabel* label, const QString& text);

}  // namespace hexaline::table
