// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The box that tells the user something while the game goes on behind it (not modal). Network
// input can ask for many in a row (a host that refuses a turn 200 times): they all share one
// box per window, which shows the newest text. Its text is always plain, never rich text, since
// it often carries what a peer, a host or a file wrote.

#include <QMessageBox>
#include <QString>

class QWidget;

namespace hexaline::table {

// Shows `text` in the window's one notice box: opens it, or replaces the text (and icon) of the
// one already open. Returns the box, which deletes itself when closed.
QMessageBox* showNotice(QWidget* window, const QString& text,
                        QMessageBox::Icon icon = QMessageBox::Information,
                        const QString& details = QString());

// The same box, but the call returns only once the user has closed it.
void showNoticeAndWait(QWidget* window, const QString& text,
                       QMessageBox::Icon icon = QMessageBox::Information);

// The window's open notice box, or null.
QMessageBox* openNotice(QWidget* window);

// `text` for a place that guesses rich text (a tool tip, a box's informative text), made so
// that it shows exactly as written.
QString shownAsWritten(const QString& text);

}  // namespace hexaline::table
