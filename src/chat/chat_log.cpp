// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/chat_log.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <algorithm>
#include <vector>

#include "chat/chat_art.h"
#include "chat/colour_text.h"

namespace hexaline::chat {

namespace {

constexpr int kStyleProperty = QTextFormat::UserProperty + 1;
constexpr int kSmileyProperty = QTextFormat::UserProperty + 2;
const QColor kLogFill(255, 255, 204);

QUrl smileyUrl(int picture) {
    return QUrl(QStringLiteral("smiley:%1").arg(picture));
}

std::array<TextStyle, kStyleCount> initialStyles() {
    const std::uint32_t navy = colourValue(0, 0, 128), maroon = colourValue(128, 0, 0),
                        green = colourValue(0, 128, 0), silver = colourValue(192, 192, 192),
                        windowText = kSystemColourBase + 8;
    std::array<TextStyle, kStyleCount> s{};
    s[0] = {kBlue, false, false, false};
    s[1] = {kBlue, true, false, false};
    s[2] = {navy, true, false, false};
    s[3] = {maroon, false, true, false};
    s[4] = {green, false, false, true};
    s[5] = {green, false, false, true};
    s[6] = s[7] = {silver, false, false, false};
    for (std::size_t n = 8; n < s.size(); ++n)
        s[n] = {windowText, false, false, false};
    return s;
}

}  // namespace

ChatLog::ChatLog(QWidget* parent) : QTextBrowser(parent), styles_(initialStyles()) {
    setObjectName(QStringLiteral("mainchat"));
    setReadOnly(true);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameShape(QFrame::NoFrame);
    setTextInteractionFlags(Qt::TextBrowserInteraction);
    QPalette fill = palette();
    fill.setColor(QPalette::Base, kLogFill);
    setPalette(fill);
    QTextDocument* doc = document();
    doc->setDocumentMargin(5);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(shownSize_);
    doc->setDefaultFont(font);
    buildMenu();
}

void ChatLog::buildMenu() {
    popup_mainchat = new QMenu(this);
    popup_mainchat->setObjectName(QStringLiteral("popup_mainchat"));
    SelectAll1 = popup_mainchat->addAction(QStringLiteral("Select All"));
    SelectAll1->setObjectName(QStringLiteral("SelectAll1"));
    Copy1 = popup_mainchat->addAction(QStringLiteral("Copy"));
    Copy1->setObjectName(QStringLiteral("Copy1"));
    Copy1->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    Copy1->setShortcutContext(Qt::WidgetShortcut);
    ClearMainChat2 = popup_mainchat->addAction(QStringLiteral("Clear Main Chat"));
    ClearMainChat2->setObjectName(QStringLiteral("ClearMainChat2"));
    popup_mainchat->addSeparator();
    // The key itself belongs to the File menu's Start Game; the entry only shows it.
    ScrollChatOff1 = popup_mainchat->addAction(QStringLiteral("Scroll Chat Off"));
    ScrollChatOff1->setObjectName(QStringLiteral("ScrollChatOff1"));
    ScrollChatOff1->setCheckable(true);
    ScrollChatOff1->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    ScrollChatOff1->setShortcutContext(Qt::WidgetShortcut);

    connect(SelectAll1, &QAction::triggered, this, [this] {
        selectAll();
        viewport()->update();
    });
    connect(Copy1, &QAction::triggered, this, [this] {
        if (textCursor().hasSelection())
            copy();
    });
    connect(ClearMainChat2, &QAction::triggered, this, &ChatLog::clearRequested);
    connect(ScrollChatOff1, &QAction::triggered, this, [this](bool on) {
        scrollLock_ = on;
        emit scrollLockToggled(on);
    });
}

void ChatLog::setScrollLock(bool on) {
    scrollLock_ = on;
    ScrollChatOff1->setChecked(on);
}

void ChatLog::setTextSize(int size) {
    if (size > 0)
        pendingSize_ = size;
}

void ChatLog::applyTextSizeNow(int size) {
    setTextSize(size);
    applyPendingSize();
}

void ChatLog::applyPendingSize() {
    if (pendingSize_ <= 0)
        return;
    if (pendingSize_ != shownSize_) {
        shownSize_ = pendingSize_;
        QFont font = document()->defaultFont();
        font.setPointSize(shownSize_);
        document()->setDefaultFont(font);  // the one full layout a new size takes
    }
    pendingSize_ = 0;
}

QTextCharFormat ChatLog::textFormat(int number) const {
    const TextStyle& s = style(number);
    QTextCharFormat format;
    format.setForeground(colourOf(s.colour, palette()));
    format.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(s.italic);
    format.setFontUnderline(s.underline);
    format.setProperty(kStyleProperty, number);
    return format;
}

QTextCharFormat ChatLog::linkFormat(const QString& word) const {
    QTextCharFormat format = textFormat(kLinkStyle);
    QString target = word;
    while (target.endsWith(QLatin1Char(' ')))
        target.chop(1);
    format.setAnchor(true);
    format.setAnchorHref(target);
    return format;
}

// The style takes the colour and bold alone. When that changes how it looks, every earlier
// piece of text in the style is given the new look; only those lines are laid out again.
void ChatLog::setStyle(int number, std::uint32_t colour) {
    TextStyle& s = styles_.at(static_cast<std::size_t>(number));
    const TextStyle wanted{colour, true, false, false};
    if (s.colour == wanted.colour && s.bold && !s.italic && !s.underline)
        return;
    s = wanted;
    if (empty_)
        return;
    std::vector<std::pair<int, int>> ranges;
    QTextDocument* doc = document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (block.userState() != number)
            continue;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment piece = it.fragment();
            if (piece.charFormat().intProperty(kStyleProperty) == number &&
                !piece.charFormat().isAnchor())
                ranges.emplace_back(piece.position(), piece.position() + piece.length());
        }
    }
    if (ranges.empty())
        return;
    const QTextCharFormat format = textFormat(number);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    for (const auto& [from, to] : ranges) {
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
    cursor.endEditBlock();
}

void ChatLog::insertPicture(QTextCursor& cursor, int picture) {
    const QUrl url = smileyUrl(picture);
    QTextDocument* doc = document();
    if (doc->resource(QTextDocument::ImageResource, url).isNull())
        doc->addResource(QTextDocument::ImageResource, url,
                         smileyImage(picture, std::max<qreal>(1.0, devicePixelRatioF())));
    QTextImageFormat image;
    image.setName(url.toString());
    image.setWidth(kSmileyWidth);
    image.setHeight(kSmileyHeight);
    image.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    image.setProperty(kSmileyProperty, picture);
    cursor.insertImage(image);
}

// Whole lines go from the top, never the newest one.
void ChatLog::trimOldest() {
    const QTextDocument* doc = document();
    const int lines = lineCount() >= bounds_.lines ? bounds_.trimBatch : 0;
    int characters = doc->characterCount();
    const int keep =
        characters > bounds_.characters ? bounds_.characters - bounds_.characters / 10 : characters;
    int drop = 0;
    for (QTextBlock block = doc->begin();
         block.next().isValid() && (drop < lines || characters > keep); block = block.next()) {
        characters -= block.length();
        ++drop;
    }
    if (drop == 0)
        return;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, drop);
    cursor.removeSelectedText();
}

void ChatLog::addline(const ChatLine& line, std::uint32_t colour) {
    applyPendingSize();
    trimOldest();
    setStyle(line.style, colour);

    QScrollBar* bar = verticalScrollBar();
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    if (!empty_)
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    empty_ = false;
    cursor.block().setUserState(line.style);

    const QTextCharFormat text = textFormat(line.style);
    QString run;  // neighbouring words of the line's style go in as one piece
    auto flush = [&] {
        if (!run.isEmpty())
            cursor.insertText(run, text);
        run.clear();
    };
    for (const ChatItem& item : line.items) {
        switch (item.kind) {
            case ChatItem::Kind::Text:
                run += item.text;
                break;
            case ChatItem::Kind::Link:
                flush();
                cursor.insertText(item.text, linkFormat(item.text));
                break;
            case ChatItem::Kind::Picture:
                flush();
                insertPicture(cursor, item.picture);
                break;
        }
    }
    flush();
    cursor.endEditBlock();
    dropUnusedFormats();
    if (!scrollLock_)
        bar->setValue(bar->maximum());
}

int ChatLog::formatCount() const {
    return static_cast<int>(document()->allFormats().size());
}

// Clearing is the only way a document lets go of its formats: the lines are taken out, the
// document cleared, and the lines put back with the formats they use, and nothing else.
void ChatLog::dropUnusedFormats() {
    if (formatCount() < 2 * formatsInUse_ + bounds_.formatSlack)
        return;
    struct Piece {
        QString text;
        QTextCharFormat format;
    };
    struct Line {
        int style;
        std::vector<Piece> pieces;
    };
    std::vector<Line> lines;
    lines.reserve(static_cast<std::size_t>(document()->blockCount()));
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        Line& line = lines.emplace_back(Line{block.userState(), {}});
        for (auto it = block.begin(); !it.atEnd(); ++it)
            line.pieces.push_back({it.fragment().text(), it.fragment().charFormat()});
    }
    QScrollBar* bar = verticalScrollBar();
    const int shown = bar->value();
    document()->clear();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (n > 0)
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        cursor.block().setUserState(lines[n].style);
        for (const Piece& piece : lines[n].pieces) {
            if (!piece.format.isImageFormat()) {
                cursor.insertText(piece.text, piece.format);
                continue;
            }
            for (qsizetype k = 0; k < piece.text.size(); ++k)
                insertPicture(cursor, piece.format.intProperty(kSmileyProperty));
        }
    }
    cursor.endEditBlock();
    formatsInUse_ = formatCount();
    bar->setValue(std::min(shown, bar->maximum()));
}

void ChatLog::clearLog() {
    document()->clear();  // its pictures and formats go too; they are added again when used
    empty_ = true;
    formatsInUse_ = 0;
    applyPendingSize();
    viewport()->update();
}

int ChatLog::lineCount() const {
    return empty_ ? 0 : document()->blockCount();
}

QString ChatLog::plainText(int from, int to) const {
    QString out;
    if (from >= to)
        return out;
    bool first = true;
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        if (!first)
            out += QStringLiteral("\r\n");
        first = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment piece = it.fragment();
            const int start = std::max(piece.position(), from);
            const int end = std::min(piece.position() + piece.length(), to);
            if (start >= end)
                continue;
            const QTextCharFormat format = piece.charFormat();
            if (format.isImageFormat()) {
                for (int n = start; n < end; ++n)
                    out += smileyCode(format.intProperty(kSmileyProperty));
            } else {
                out += piece.text().mid(start - piece.position(), end - start);
            }
        }
    }
    return out;
}

QString ChatLog::selectedPlainText() const {
    const QTextCursor cursor = textCursor();
    return cursor.hasSelection() ? plainText(cursor.selectionStart(), cursor.selectionEnd())
                                 : QString();
}

QMimeData* ChatLog::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(selectedPlainText());
    return data;
}

void ChatLog::mousePressEvent(QMouseEvent* event) {
    pressedAt_ = event->position().toPoint();
    pressedLink_ = event->button() == Qt::LeftButton ? linkAt(pressedAt_) : QString();
    QTextBrowser::mousePressEvent(event);
}

// A click follows the link under the pointer when the button went down on the same link and
// the pointer did not move far enough to select text on the way.
void ChatLog::mouseReleaseEvent(QMouseEvent* event) {
    QTextBrowser::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || pressedLink_.isEmpty())
        return;
    const QPoint at = event->position().toPoint();
    const QString link = linkAt(at);
    const bool same = link == pressedLink_;
    pressedLink_.clear();
    if (same && (at - pressedAt_).manhattanLength() < QApplication::startDragDistance())
        emit linkClicked(link);
}

void ChatLog::contextMenuEvent(QContextMenuEvent* event) {
    popup_mainchat->exec(event->globalPos());
}

}  // namespace hexaline::chat
