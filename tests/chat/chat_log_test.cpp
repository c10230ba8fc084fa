// SPDX-License-Identifier: GPL-3.0-or-later
// The chat log: shared seat colours, text size, scrolling, the bound, copy and links.
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextFragment>
#include <algorithm>

#include "chat/colour_text.h"
#include "chat_fixture.h"

namespace hexaline::chat {
namespace {

QColor colourAt(QTextDocument& doc, int line, int fragment = 0) {
    QTextBlock block = doc.findBlockByNumber(line);
    auto it = block.begin();
    for (int i = 0; i < fragment; ++i)
        ++it;
    return it.fragment().charFormat().foreground().color();
}

// Centre of the character after `position`, in the log's viewport.
QPoint pointOf(ChatLog& log, int position) {
    QTextCursor cursor(log.document());
    cursor.setPosition(position + 1);
    const QRect at = log.cursorRect(cursor);
    return QPoint(at.left() - 3, at.center().y());
}

int positionOf(QTextDocument& doc, const QString& text) {
    return doc.find(text).selectionStart();
}

TEST_F(ChatTest, LinesShowNamePartSmileysAndLinksInTheirStyles) {
    chat.area().chatrecieved(QStringLiteral("3+Cy chats: hi :)#22 there www.example.com,|clGreen"));
    EXPECT_EQ(log().lineCount(), 1);
    EXPECT_EQ(lineText(0), QStringLiteral("Cy chats:  hi  ") +
                               QChar(QChar::ObjectReplacementCharacter) +
                               QStringLiteral(" there www.example.com, "));
    EXPECT_EQ(colourAt(doc(), 0), QColor(0, 128, 0));
    EXPECT_EQ(log().style(8).colour, colourValue(0, 128, 0));
    EXPECT_TRUE(log().style(8).bold);
    // The picture, then the link in the link style, holding its own target.
    QTextBlock block = doc().firstBlock();
    int pictures = 0;
    QStringList links;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        pictures += format.isImageFormat() ? 1 : 0;
        if (format.isAnchor()) {
            links << format.anchorHref();
            EXPECT_EQ(format.foreground().color(), QColor(0, 128, 0));
            EXPECT_TRUE(format.fontUnderline());
        }
    }
    EXPECT_EQ(pictures, 1);
    EXPECT_EQ(links, QStringList{QStringLiteral("www.example.com,")});
    // A system line is blue and bold.
    chat.addlinetochat(QStringLiteral("0+You are Connected."), kBlue);
    EXPECT_EQ(lineText(1), QStringLiteral(" You are Connected. "));
    EXPECT_EQ(colourAt(doc(), 1), QColor(0, 0, 255));
    EXPECT_EQ(doc().findBlockByNumber(1).begin().fragment().charFormat().fontWeight(), QFont::Bold);
}

TEST_F(ChatTest, ASeatsNewColourRecoloursItsEarlierLinesOnly) {
    chat.area().chatrecieved(QStringLiteral("2+Bob chats: one|clRed"));
    chat.area().chatrecieved(QStringLiteral("3+Cy chats: other|clTeal"));
    chat.area().chatrecieved(QStringLiteral("2+Bob chats: two www.a.org|clBlue"));
    EXPECT_EQ(colourAt(doc(), 0), QColor(0, 0, 255));
    EXPECT_EQ(colourAt(doc(), 2), QColor(0, 0, 255));
    EXPECT_EQ(colourAt(doc(), 1), QColor(0, 128, 128));
    // The link keeps the link colour.
    EXPECT_EQ(colourAt(doc(), 2, 1), QColor(0, 128, 0));
    // No "|", or a colour that cannot be read: red, and the seat's lines follow.
    chat.area().chatrecieved(QStringLiteral("2+Bob chats: three"));
    EXPECT_EQ(colourAt(doc(), 0), QColor(255, 0, 0));
    chat.area().chatrecieved(QStringLiteral("2+Bob chats: four|clNotAColour"));
    EXPECT_EQ(colourAt(doc(), 4), QColor(255, 0, 0));
    EXPECT_EQ(lineText(4), QStringLiteral("Bob chats:  four "));
}

TEST_F(ChatTest, TextSizeShowsFromTheNextLineOrClear) {
    chat.area().applyTextSizeNow(8);
    chat.addlinetochat(QStringLiteral("0+first"), kBlue);
    EXPECT_EQ(doc().defaultFont().pointSize(), 8);
    chat.area().setTextSize(14);
    EXPECT_EQ(doc().defaultFont().pointSize(), 8);
    EXPECT_EQ(log().textSize(), 14);
    chat.addlinetochat(QStringLiteral("0+second"), kBlue);
    EXPECT_EQ(doc().defaultFont().pointSize(), 14);
    chat.area().setTextSize(12);
    chat.area().clearChat();
    EXPECT_EQ(doc().defaultFont().pointSize(), 12);
    EXPECT_EQ(log().lineCount(), 0);
}

TEST_F(ChatTest, ScrollLockKeepsTheViewAndTheLogKeepsItsNewestLines) {
    for (int n = 0; n < 60; ++n)
        chat.addlinetochat(QStringLiteral("1+Ann chats: line %1").arg(n), kRed);
    QScrollBar* bar = log().verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    chat.area().setScrollLock(true);
    EXPECT_TRUE(log().ScrollChatOff1->isChecked());
    bar->setValue(0);
    chat.addlinetochat(QStringLiteral("1+Ann chats: quiet"), kRed);
    EXPECT_EQ(bar->value(), 0);
    chat.area().setScrollLock(false);
    chat.addlinetochat(QStringLiteral("1+Ann chats: loud"), kRed);
    EXPECT_EQ(bar->value(), bar->maximum());

    const int total = ChatLog::kMaxLines + 40;
    for (int n = 0; n < total; ++n)
        chat.addlinetochat(QStringLiteral("0+bulk %1").arg(n), kBlue);
    const int kept = log().lineCount();
    EXPECT_LE(kept, ChatLog::kMaxLines);
    EXPECT_GT(kept, ChatLog::kMaxLines - ChatLog::kTrimBatch);
    EXPECT_EQ(lineText(0), QStringLiteral(" bulk %1 ").arg(total - kept));
    EXPECT_EQ(lineText(kept - 1), QStringLiteral(" bulk %1 ").arg(total - 1));
    // The oldest went with their own styles: a recolour still finds the seat's lines.
    chat.addlinetochat(QStringLiteral("1+Ann chats: back"), kBlue);
    EXPECT_EQ(doc().lastBlock().userState(), 6);
}

// Every piece of every line, as it looks: text, style, colour, weight, link target, picture.
QStringList piecesOf(const QTextDocument& doc) {
    QStringList out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        out << QStringLiteral("line %1 style %2").arg(block.blockNumber()).arg(block.userState());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            QString image;
            if (f.isImageFormat()) {
                const QString name = f.toImageFormat().name();
                const bool held = doc.resource(QTextDocument::ImageResource, QUrl(name)).isValid();
                image = name + (held ? QStringLiteral(" shown") : QStringLiteral(" missing"));
            }
            out << it.fragment().text() + QLatin1Char('|') + f.foreground().color().name() +
                       QLatin1Char('|') + QString::number(f.fontWeight()) + QLatin1Char('|') +
                       f.anchorHref() + QLatin1Char('|') + image;
        }
    }
    return out;
}

// A host that sends new links and a new colour with every line: the formats that no line uses
// any more do not pile up, and the log shows exactly what a log that never lets them go shows.
TEST(ChatLogBounds, UnusedFormatsGoAndTheLinesStayAsTheyWere) {
    ChatLog log, reference;
    log.setBounds({.lines = 40, .trimBatch = 10, .formatSlack = 64});
    reference.setBounds({.lines = 40, .trimBatch = 10, .formatSlack = 1'000'000});
    log.applyTextSizeNow(14);
    reference.applyTextSizeNow(14);
    int most = 0;
    auto add = [&](const QString& text, std::uint32_t colour) {
        const std::optional<ChatLine> line = parseChatLine(text);
        ASSERT_TRUE(line.has_value());
        log.addline(*line, colour);
        reference.addline(*line, colour);
        most = std::max(most, log.formatCount());
    };
    for (int n = 0; n < 600; ++n) {
        add(QStringLiteral("%1+Bob chats: www.a%2.org :)#%3 and http://b%2.example/x")
                .arg(2 + n % 3)
                .arg(n)
                .arg(10 + n % 18),
            colourValue(n % 256, 7 * n % 256, 0));
    }
    EXPECT_GT(reference.formatCount(), 1200);
    EXPECT_LT(most, 400);
    EXPECT_EQ(log.lineCount(), reference.lineCount());
    EXPECT_EQ(piecesOf(*log.document()), piecesOf(*reference.document()));
    EXPECT_EQ(log.document()->defaultFont().pointSize(), 14);
    EXPECT_EQ(log.document()->documentMargin(), reference.document()->documentMargin());

    // The lines kept their seats' styles: a new colour still reaches them.
    add(QStringLiteral("3+Bob chats: again"), kBlue);
    EXPECT_EQ(piecesOf(*log.document()), piecesOf(*reference.document()));
    // Clearing starts the count anew.
    log.clearLog();
    EXPECT_LT(log.formatCount(), 20);
}

// The longest lines a host may send: the log keeps the newest within its characters, whole.
TEST(ChatLogBounds, LongLinesStayWithinTheCharacterBound) {
    ChatLog log;
    log.setBounds({.characters = 10'000});
    auto add = [&](int n, int length) {
        const QString body = QString(length, QLatin1Char('a' + n % 26));
        log.addline(*parseChatLine(QStringLiteral("2+Bob %1: ").arg(n) + body), kRed);
    };
    for (int n = 0; n < 60; ++n) {
        add(n, 1900);
        ASSERT_LE(log.document()->characterCount(), 10'000 + 2'000);
    }
    const int kept = log.lineCount();
    EXPECT_GE(kept, 4);
    EXPECT_LE(kept, 6);
    for (int k = 0; k < kept; ++k) {
        const QString text = log.document()->findBlockByNumber(k).text();
        EXPECT_TRUE(text.startsWith(QStringLiteral("Bob %1: ").arg(60 - kept + k))) << k;
        EXPECT_EQ(text.size(), QStringLiteral("Bob 59:  ").size() + 1900 + 1) << k;
    }
    // A line longer than the whole bound still shows, alone.
    add(60, 30'000);
    add(61, 10);
    EXPECT_EQ(log.lineCount(), 2);
    EXPECT_TRUE(log.document()->firstBlock().text().startsWith(QStringLiteral("Bob 60: ")));
    EXPECT_EQ(log.document()->firstBlock().userState(), 7);
}

TEST_F(ChatTest, CopyGivesPlainTextWithCrLfAndSmileyCodes) {
    chat.addlinetochat(QStringLiteral("1+Ann chats: hi :)#11"), kRed);
    chat.addlinetochat(QStringLiteral("0+bye"), kBlue);
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    log().Copy1->trigger();  // nothing selected: the clipboard keeps its text
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("untouched"));
    log().SelectAll1->trigger();
    log().Copy1->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Ann chats:  hi  :)#11\r\n bye "));
}

TEST_F(ChatTest, EachLinkOpensItsOwnTargetAfterAClearAndManyLinks) {
    for (int n = 0; n < 150; ++n)
        chat.addlinetochat(QStringLiteral("1+Ann chats: www.site%1.org").arg(n), kRed);
    chat.area().clearChat();
    chat.addlinetochat(QStringLiteral("1+Ann chats: first http://one.example/a"), kRed);
    for (int n = 0; n < 150; ++n)
        chat.addlinetochat(QStringLiteral("2+Bob chats: www.more%1.org").arg(n), kRed);
    chat.area().setScrollLock(true);
    log().verticalScrollBar()->setValue(0);

    const QPoint first = pointOf(log(), positionOf(doc(), QStringLiteral("http://one")));
    EXPECT_EQ(log().linkAt(first), QStringLiteral("http://one.example/a"))
        << first.x() << "," << first.y();
    QTest::mouseClick(log().viewport(), Qt::LeftButton, {}, first);
    EXPECT_EQ(opened, QStringList{QStringLiteral("http://one.example/a")});

    // The 140th link of the second run.
    const int at = positionOf(doc(), QStringLiteral("www.more139.org"));
    QTextCursor cursor(&doc());
    cursor.setPosition(at);
    log().setTextCursor(cursor);
    log().ensureCursorVisible();
    log().setTextCursor(QTextCursor(&doc()));
    QTest::mouseClick(log().viewport(), Qt::LeftButton, {}, pointOf(log(), at));
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[1], QStringLiteral("http://www.more139.org"));

    // A failed open says so; a click on plain text opens nothing.
    openWorks = false;
    QTest::mouseClick(log().viewport(), Qt::LeftButton, {}, pointOf(log(), at));
    EXPECT_EQ(messages, QStringList{QStringLiteral("Cannot open Webpage")});
    QTest::mouseClick(log().viewport(), Qt::LeftButton, {},
                      pointOf(log(), positionOf(doc(), QStringLiteral("first"))));
    EXPECT_EQ(opened.size(), 3);
}

TEST_F(ChatTest, NetworkLinesWithoutASeatAreDroppedWithoutABox) {
    EXPECT_FALSE(chat.addlinetochat(QStringLiteral("no prefix"), kBlue));
    feed(protocol::Msg::ChatRelay, {12, "Zed chats: hi|clRed"});
    EXPECT_EQ(log().lineCount(), 0);
    EXPECT_TRUE(messages.isEmpty());
    feed(protocol::Msg::ActionRelay, {2, "Bob waves|clNavy"});
    EXPECT_EQ(lineText(0), QStringLiteral(" Bob waves "));
    EXPECT_EQ(colourAt(doc(), 0), QColor(0, 0, 128));
}

}  // namespace
}  // namespace hexaline::chat
