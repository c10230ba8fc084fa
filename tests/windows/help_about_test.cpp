// SPDX-License-Identifier: GPL-3.0-or-later
// Help and about: every topic shows its page, the buttons that open other windows, the version
// and year shown, and the home-page links.
#include <gtest/gtest.h>

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

#include "protocol/message_table.h"
#include "windows/about/about_form.h"
#include "windows/about/home_page.h"
#include "windows/help/help_form.h"

namespace hexaline {
namespace {

TEST(HelpForm, EveryTopicShowsItsOwnPage) {
    help::HelpForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.windowTitle(), "Hexaline - Help File");
    EXPECT_EQ(form.captionLabel->text(), "Overview");
    EXPECT_EQ(form.currentPage(), 1);
    const std::vector<std::pair<QString, int>> topics{
        {"Overview", 1}, {"Connecting", 2},    {"Game Play", 3}, {"Scoring", 4},
        {"Options", 7},  {"Documentation", 5}, {"License", 6},   {"The Lobby", 8}};
    QStringList seen;
    for (const auto& [caption, page] : topics) {
        QPushButton* button = form.topicButton(caption);
        ASSERT_NE(button, nullptr) << caption.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(form.currentPage(), page);
        EXPECT_EQ(form.captionLabel->text(), caption);
        // The page in front is the one under the centre of the page area.
        QWidget* front = form.childAt(form.page(page)->geometry().center());
        EXPECT_TRUE(front != nullptr && form.page(page)->isAncestorOf(front)) << page;
        const QString text = form.page(page)->toPlainText();
        EXPECT_GT(text.size(), 200) << page;
        seen << text;
    }
    seen.removeDuplicates();
    EXPECT_EQ(seen.size(), 8);
    // The pages speak of this game as it is.
    EXPECT_TRUE(form.page(2)->toPlainText().contains("hexaline NAME ADDRESS true"));
    EXPECT_TRUE(form.page(2)->toPlainText().contains("7772"));
    EXPECT_TRUE(form.page(2)->toPlainText().contains("hexaline-host"));
    // Playing with others is done from the game's own menu, the local list or a browser.
    for (const char* words : {"File > Host a Game…", "File > Join a Game…", "local network",
                              "web browser", "The host has ended the game."})
        EXPECT_TRUE(form.page(2)->toPlainText().contains(QString::fromUtf8(words))) << words;
    EXPECT_TRUE(form.page(5)->toPlainText().contains("1.0.1.0"));
    for (const char* entry : {"Just Watch", "Bot Speed", "Reset Screen Location", "Spy List",
                              "Phrase List", "View Tally", "Text Size", "Clear Main Chat"})
        EXPECT_TRUE(form.page(7)->toPlainText().contains(entry)) << entry;
    EXPECT_TRUE(form.yearLabel->text().contains(QString::number(QDate::currentDate().year())));
}

TEST(HelpForm, ButtonsThatOpenOtherWindows) {
    help::HelpForm form;
    form.show();
    QSignalSpy quick(&form, &help::HelpForm::quickInstructionsRequested);
    QSignalSpy about(&form, &help::HelpForm::aboutRequested);
    QTest::mouseClick(form.topicButton("About"), Qt::LeftButton);
    EXPECT_EQ(about.count(), 1);
    EXPECT_TRUE(form.isVisible());
    QTest::mouseClick(form.topicButton("Quick Instructions"), Qt::LeftButton);
    EXPECT_EQ(quick.count(), 1);
    EXPECT_FALSE(form.isVisible());
    form.show();
    QTest::mouseClick(form.topicButton("Done"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

TEST(AboutForm, VersionYearAndHomePage) {
    std::vector<QUrl> opened;
    about::setUrlOpener([&opened](const QUrl& url) { opened.push_back(url); });
    about::AboutForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.windowTitle(), "Hexaline - About");
    EXPECT_EQ(form.versionLabel->text(), "1.0.1");
    EXPECT_EQ(form.buildLabel->text(), ".0");
    EXPECT_EQ(form.versionLabel->text().toStdString(), std::string(protocol::kVersion));
    EXPECT_EQ(form.yearLabel->text(), QString::number(QDate::currentDate().year()));
    QTest::mouseClick(form.homePageLabel, Qt::LeftButton);
    QTest::mouseClick(form.logo, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl("https://hexaline.example.org/"));
    EXPECT_EQ(opened[0].scheme(), "https");

    QWidget logo;  // the main window's logo gets the same link
    about::openHomePageOnClick(&logo);
    logo.show();
    QTest::mouseClick(&logo, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 3u);
    QTest::mouseClick(form.doneButton, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    about::setUrlOpener({});
}

}  // namespace
}  // namespace hexaline
