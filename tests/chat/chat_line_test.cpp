// SPDX-License-Identifier: GPL-3.0-or-later
// Taking chat lines apart: name part, words, smiley codes and links.
#include <gtest/gtest.h>

#include "chat/chat_line.h"

namespace hexaline::chat {
namespace {

using Kind = ChatItem::Kind;

ChatItem text(const char* t) {
    return {Kind::Text, QString::fromUtf8(t), 0};
}
ChatItem link(const char* t) {
    return {Kind::Link, QString::fromUtf8(t), 0};
}
ChatItem picture(int n) {
    return {Kind::Picture, QString(), n};
}

TEST(ChatLine, SystemLineAndRelayedChatKeepTheirItems) {
    const auto system = parseChatLine(QStringLiteral("0+You are Connected."));
    ASSERT_TRUE(system);
    EXPECT_EQ(system->style, 0);
    EXPECT_EQ(system->items,
              (std::vector<ChatItem>{text(" "), text("You "), text("are "), text("Connected. ")}));

    const auto chat = parseChatLine(QStringLiteral("3+Cy chats: hi :)#22 there"));
    ASSERT_TRUE(chat);
    EXPECT_EQ(chat->seat, 3);
    EXPECT_EQ(chat->style, 8);
    EXPECT_EQ(chat->items,
              (std::vector<ChatItem>{text("Cy chats: "), text(" "), text("hi "), text(" "),
                                     picture(12), text(" "), text("there ")}));
    // Further "+" signs belong to the body.
    const auto plus = parseChatLine(QStringLiteral("9+a+b"));
    ASSERT_TRUE(plus);
    EXPECT_EQ(plus->style, 14);
    EXPECT_EQ(plus->items, (std::vector<ChatItem>{text(" "), text("a+b ")}));
}

TEST(ChatLine, SmileyCodesOutOfRangeOrCutShortShowPictureZero) {
    auto pictures = [](const char* body) {
        std::vector<int> out;
        const std::optional<ChatLine> line = parseChatLine(QString::fromUtf8(body));
        for (const ChatItem& item : line->items) {
            if (item.kind == Kind::Picture)
                out.push_back(item.picture);
        }
        return out;
    };
    EXPECT_EQ(pictures("1+Ann chats: :)#10:)#27"), (std::vector<int>{0, 17}));
    EXPECT_EQ(pictures("1+Ann chats: :)#28"), (std::vector<int>{0}));
    EXPECT_EQ(pictures("1+Ann chats: :)#09"), (std::vector<int>{0}));
    // A digit and a letter: picture 0, and both characters are used up.
    const auto cut = parseChatLine(QStringLiteral("1+Ann chats::)#1ax"));
    EXPECT_EQ(cut->items,
              (std::vector<ChatItem>{text("Ann chats: "), text(" "), picture(0), text("x ")}));
    EXPECT_EQ(pictures("1+Ann chats: end :)#2"), (std::vector<int>{0}));
    EXPECT_EQ(pictures("1+Ann chats: end :)#"), (std::vector<int>{0}));
    // Without a name part the first colon of a code is taken for one.
    EXPECT_EQ(pictures("1+:)#10"), (std::vector<int>{}));
}

TEST(ChatLine, WebWordsAreLinksAndOtherSchemesStayText) {
    const auto line =
        parseChatLine(QStringLiteral("2+Bob chats: see www.example.com, HTTP://X.ORG/a"));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->items,
              (std::vector<ChatItem>{text("Bob chats: "), text(" "), text("see "),
                                     link("www.example.com, "), link("HTTP://X.ORG/a ")}));
    // The stored word keeps its comma; the address opened leaves it out.
    EXPECT_EQ(linkTarget(QStringLiteral("www.example.com, "))->toString(),
              QStringLiteral("http://www.example.com"));
    EXPECT_EQ(linkTarget(QStringLiteral("https://a.org/x?y=1 "))->host(), QStringLiteral("a.org"));
    for (const char* word : {"javascript:www.example.com", "file://www.example.com/etc/passwd",
                             "(http://example.com)", "http://", "ftp://www.example.com"}) {
        EXPECT_FALSE(linkTarget(QString::fromUtf8(word))) << word;
        const auto shown = parseChatLine(QStringLiteral("1+Ann chats: ") + QString::fromUtf8(word));
        EXPECT_EQ(shown->items.back().kind, Kind::Text) << word;
    }
}

TEST(ChatLine, LinesWithoutASeatBeforeThePlusAreRefused) {
    for (const char* line : {"hello", "+hi", "x+hi", "10+hi", "-1+hi", "1 +hi", "", "123+x"})
        EXPECT_FALSE(parseChatLine(QString::fromUtf8(line))) << line;
    EXPECT_TRUE(parseChatLine(QStringLiteral("0+")));
    EXPECT_TRUE(parseChatLine(QStringLiteral("09+x")));
}

}  // namespace
}  // namespace hexaline::chat
