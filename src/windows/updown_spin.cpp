// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/updown_spin.h"

namespace hexaline::windows {

UpDownSpin::UpDownSpin(int minimum, int maximum, int step, int initial, QWidget* parent)
    : QSpinBox(parent) {
    // Plain ASCII digits without group separators whatever the user's locale: the text goes
    // onto the wire as it stands.
    setLocale(QLocale::c());
    setGroupSeparatorShown(false);
    setRange(minimum, maximum);
    setSingleStep(step);
    setWrapping(false);
    setValue(initial);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    // The edit refuses typing; the arrows still step.
    lineEdit()->setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
}

}  // namespace hexaline::windows
