// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/chat_line.h"

namespace hexaline::chat {

namespace {

const QString kSmileyMark = QStringLiteral(":)#");

// A word that leads to the web: it starts with "http://", "https://" or "www.".
bool isLinkWord(const QString& word) {
    const QString lower = word.toLower();
    return lower.startsWith(QLatin1String("http://")) ||
           lower.startsWith(QLatin1String("https://")) || lower.startsWith(QLatin1String("www."));
}

std::optional<QUrl> webAddress(const QString& address) {
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return std::nullopt;
    return url;
}

// Each word keeps its one trailing space; a run of spaces gives one-space words.
void addWords(QString segment, std::vector<ChatItem>& items) {
    segment += QLatin1Char(' ');
    qsizetype from = 0;
    while (from < segment.size()) {
        const qsizetype space = segment.indexOf(QLatin1Char(' '), from);
        const QString word = segment.mid(from, space - from + 1);
        from = space + 1;
        const bool link = isLinkWord(word) && linkTarget(word).has_value();
        items.push_back({link ? ChatItem::Kind::Link : ChatItem::Kind::Text, word, 0});
    }
}

// Picture of a two-character code: 10..27 give 0..17, anything else 0.
int pictureOf(const QString& code) {
    if (code.size() != 2 || !code[0].isDigit() || !code[1].isDigit() || code[0].unicode() > '9' ||
        code[1].unicode() > '9')
        return 0;
    const int number = (code[0].unicode() - '0') * 10 + (code[1].unicode() - '0');
    return (number >= 10 && number <= 27) ? number - 10 : 0;
}

}  // namespace

std::optional<ChatLine> parseChatLine(const QString& line) {
    const qsizetype plus = line.indexOf(QLatin1Char('+'));
    if (plus <= 0 || plus > 2)
        return std::nullopt;
    int seat = 0;
    for (qsizetype i = 0; i < plus; ++i) {
        const char16_t c = line[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        seat = seat * 10 + (c - u'0');
    }
    if (seat > protocol::kSeatCount)
        return std::nullopt;

    ChatLine out;
    out.seat = seat;
    out.style = seat > 0 ? seat + 5 : kSystemStyle;
    QString body = line.mid(plus + 1);
    const qsizetype colon = body.indexOf(QLatin1Char(':'));
    out.items.push_back({ChatItem::Kind::Text, body.left(colon + 1) + QLatin1Char(' '), 0});
    body.remove(0, colon + 1);

    qsizetype mark;
    while ((mark = body.indexOf(kSmileyMark)) >= 0) {
        const QString segment = body.left(mark);
        const QString code = body.mid(mark + kSmileyMark.size(), 2);
        body.remove(0, mark + kSmileyMark.size() + code.size());
        addWords(segment, out.items);
        out.items.push_back({ChatItem::Kind::Picture, QString(), pictureOf(code)});
    }
    if (!body.isEmpty())
        addWords(body, out.items);
    return out;
}

std::optional<QUrl> linkTarget(const QString& word) {
    QString address = word.trimmed();
    if (!isLinkWord(address))
        return std::nullopt;
    if (address.toLower().startsWith(QLatin1String("www.")))
        address.prepend(QLatin1String("http://"));
    // Punctuation that closes a sentence ("see www.example.com,") is no part of the address.
    for (;;) {
        if (const std::optional<QUrl> url = webAddress(address))
            return url;
        if (address.isEmpty() || !QStringLiteral(",.;:!?)]'\"").contains(address.back()))
            return std::nullopt;
        address.chop(1);
    }
}

QString smileyCode(int picture) {
    return kSmileyMark + QString::number(picture + 10);
}

}  // namespace hexaline::chat
