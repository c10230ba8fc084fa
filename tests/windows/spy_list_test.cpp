// SPDX-License-Identifier: GPL-3.0-or-later
// The spy list: entries come and go by their whole text, and "Remove From Game" kicks only the
// seat of an entry under the pointer, only where this instance hosts.
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QTest>

#include "windows/spy/spy_list_form.h"

namespace hexaline::spy {
namespace {

class SpyListTest : public ::testing::Test {
  protected:
    SpyListTest() {
        form.setKicking([this](int seat) { kicked.push_back(seat); });
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    // Moves the pointer over entry `index` (or below the last one for -1).
    void hover(int index) {
        QListWidget* list = form.spyList;
        const QPoint at = index >= 0 ? list->visualItemRect(list->item(index)).center()
                                     : QPoint(5, list->viewport()->height() - 2);
        QTest::mouseMove(list->viewport(), at);
        QMouseEvent move(QEvent::MouseMove, at, list->viewport()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &move);
    }

    SpyListForm form;
    std::vector<int> kicked;
};

TEST_F(SpyListTest, EntriesComeAndGoByTheirWholeText) {
    form.addSpectator(QStringLiteral("5: Eve"));
    form.addSpectator(QStringLiteral("6: Eve"));
    form.addSpectator(QStringLiteral("7: Max"));
    EXPECT_FALSE(form.removeSpectator(QStringLiteral("5: eve")));
    EXPECT_TRUE(form.removeSpectator(QStringLiteral("6: Eve")));
    EXPECT_EQ(form.entries(), QStringList({"5: Eve", "7: Max"}));
}

TEST_F(SpyListTest, RemovalNeedsAHostAndAnEntryUnderThePointer) {
    EXPECT_FALSE(form.removeEnabled());
    EXPECT_FALSE(form.kickAction->isEnabled());
    form.setRemoveEnabled(true);
    form.addSpectator(QStringLiteral("5: Eve"));
    form.addSpectator(QStringLiteral("x7: Odd"));
    form.addSpectator(QStringLiteral("9: Max"));

    hover(2);
    EXPECT_EQ(form.hoverIndex(), 2);
    form.kickAction->trigger();
    hover(-1);  // empty space below the last entry
    EXPECT_EQ(form.hoverIndex(), -1);
    form.kickAction->trigger();
    hover(1);  // "x7" is not a seat number
    form.kickAction->trigger();
    hover(0);
    form.kickAction->trigger();
    EXPECT_EQ(kicked, std::vector<int>({9, 5}));
    // The entry stays until the spectator's departure comes back.
    EXPECT_EQ(form.entries().size(), 3);
}

TEST_F(SpyListTest, TheRememberedEntrySurvivesItsRemoval) {
    form.setRemoveEnabled(true);
    form.addSpectator(QStringLiteral("5: Eve"));
    hover(0);
    form.removeSpectator(QStringLiteral("5: Eve"));
    form.kickAction->trigger();  // the index now points past the list
    EXPECT_TRUE(kicked.empty());
}

}  // namespace
}  // namespace hexaline::spy
