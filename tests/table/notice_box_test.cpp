// SPDX-License-Identifier: GPL-3.0-or-later
// The one notice box of a window: many notices in a row share it, its text is plain, and a
// closed box makes room for a new one.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

#include "table/notice_box.h"

using namespace hexaline;

namespace {

int visibleBoxes(const QWidget& window) {
    int count = 0;
    for (const QMessageBox* box : window.findChildren<QMessageBox*>())
        count += box->isVisible() ? 1 : 0;
    return count;
}

}  // namespace

TEST(NoticeBox, TwoHundredNoticesShareOneBoxShowingTheLast) {
    QWidget window;
    window.show();
    for (int i = 1; i <= 200; ++i)
        table::showNotice(&window, QStringLiteral("Refused %1").arg(i), QMessageBox::Warning);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.findChildren<QMessageBox*>().size(), 1);
    EXPECT_EQ(visibleBoxes(window), 1);
    QMessageBox* box = table::openNotice(&window);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("Refused 200"));
    EXPECT_EQ(box->icon(), QMessageBox::Warning);

    // Once closed, the next notice opens a fresh box.
    box->button(QMessageBox::Ok)->click();
    EXPECT_EQ(table::openNotice(&window), nullptr);
    QMessageBox* next = table::showNotice(&window, QStringLiteral("Later"));
    EXPECT_NE(next, nullptr);
    EXPECT_EQ(visibleBoxes(window), 1);
    EXPECT_EQ(next->text(), QStringLiteral("Later"));
    EXPECT_EQ(next->informativeText(), QString());
}

TEST(NoticeBox, PeerTextIsShownAsWritten) {
    QWidget window;
    const QString hostile = QStringLiteral("<img src=/dev/zero> <b>x</b> &lt;");
    QMessageBox* box = table::showNotice(&window, hostile, QMessageBox::Information, hostile);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), hostile);
    // The informative text is shown by a label that guesses rich text: it must not see markup.
    EXPECT_TRUE(box->informativeText().contains(QStringLiteral("&lt;img src=/dev/zero&gt;")));

    // Tool tips guess rich text: what could pass for it is wrapped so it shows as written.
    const QString tip = table::shownAsWritten(hostile);
    EXPECT_TRUE(Qt::mightBeRichText(tip));
    EXPECT_TRUE(tip.contains(QStringLiteral("&lt;img src=/dev/zero&gt;")));
    EXPECT_EQ(table::shownAsWritten(QStringLiteral("Way To Go!")), QStringLiteral("Way To Go!"));
    EXPECT_TRUE(table::shownAsWritten(QStringLiteral("&lt;")).contains(QStringLiteral("&amp;lt;")));
}

TEST(NoticeBox, WaitingForTheBoxReturnsWhenItIsClosed) {
    QWidget window;
    bool closedIt = false;
    QTimer::singleShot(0, &window, [&] {
        if (QMessageBox* box = table::openNotice(&window)) {
            closedIt = true;
            box->button(QMessageBox::Ok)->click();
        }
    });
    table::showNoticeAndWait(&window, QStringLiteral("Game is full"));
    EXPECT_TRUE(closedIt);
}
