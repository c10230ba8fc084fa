// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A chat line taken apart: "n+" and a body, where n is 0 for a system line or the speaker's
// seat 1..9. The body's name part (up to and including its first ":") and one space start the
// line; the rest follows as words, links and smiley pictures.

#include <QString>
#include <QUrl>
#include <optional>
#include <vector>

#include "protocol/seats.h"

namespace hexaline::chat {

inline constexpr int kStyleCount = 15;
inline constexpr int kSystemStyle = 0;
inline constexpr int kLinkStyle = 4;

struct ChatItem {
    enum class Kind { Text, Link, Picture };
    Kind kind = Kind::Text;
    QString text;     // a word with its trailing space, or the name part and one space
    int picture = 0;  // 0..17 for a picture
    bool operator==(const ChatItem&) const = default;
};

struct ChatLine {
    int seat = 0;                 // 0 for a system line
    int style = 0;                // 0, or seat + 5
    std::vector<ChatItem> items;  // the first item (name part and a space) starts the line
};

// Nothing for a line without an integer 0..9 before its first "+".
std::optional<ChatLine> parseChatLine(const QString& line);

// Where a link word leads: words starting with "http://", "https://" (letter case ignored)
// or "www." lead to the web; any other word, even one holding such text further in, leads
// nowhere and is shown as text. Trailing spaces are not part of the address.
std::optional<QUrl> linkTarget(const QString& word);

// The smiley code of picture 0..17: ":)#10" to ":)#27".
QString smileyCode(int picture);

}  // namespace hexaline::chat
