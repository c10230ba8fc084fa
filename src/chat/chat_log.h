// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chat log `mainchat`: a read-only log of coloured lines with inline smileys and links.
// Every piece of text carries one of 15 numbered styles. A style's colour is shared: when a
// seat's next line comes in another colour, that seat's earlier lines take it too. Adding a
// line lays out only that line. The log keeps at most 5,000 lines: when it is full, the oldest
// hundred go at once, since taking lines off the top moves every line below them. It also keeps
// at most a million characters, so that a host sending the longest lines it may cannot fill
// memory either: beyond that the oldest lines go until a tenth of the room is free. A document
// keeps every text format it was ever given, so when most of them are out of use (lines gone,
// seats recoloured, a new link in every line) the log copies its lines into itself afresh.

#include <QTextBrowser>
#include <array>
#include <cstdint>

#include "chat/chat_line.h"

class QMenu;
class QAction;

namespace hexaline::chat {

struct TextStyle {
    std::uint32_t colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

class ChatLog : public QTextBrowser {
    Q_OBJECT
  public:
    static constexpr int kMaxLines = 5000;
    static constexpr int kTrimBatch = 100;
    static constexpr int kDefaultTextSize = 10;
    // Unused formats the log lets pile up beyond twice the ones its lines used at the last copy.
    static constexpr int kFormatSlack = 2048;
    static constexpr int kMaxCharacters = 1'000'000;
    struct Bounds {
        int lines = kMaxLines;
        int trimBatch = kTrimBatch;
        int characters = kMaxCharacters;
        int formatSlack = kFormatSlack;
    };

    explicit ChatLog(QWidget* parent = nullptr);

    const TextStyle& style(int number) const {
        return styles_.at(static_cast<std::size_t>(number));
    }
    int textSize() const { return pendingSize_ > 0 ? pendingSize_ : shownSize_; }
    int shownTextSize() const { return shownSize_; }
    // The size of all styles; the log shows it from the next line added or the next clear.
    void setTextSize(int size);
    // The size of all styles, laid out and shown at once.
    void applyTextSizeNow(int size);

    // Shows one line: its style takes `colour` and bold, and the line is added at the end.
    void addline(const ChatLine& line, std::uint32_t colour);
    void clearLog();
    int lineCount() const;
    // Lower bounds than the ones above, for tests.
    void setBounds(const Bounds& bounds) { bounds_ = bounds; }
    // Text formats the document holds, in use or not.
    int formatCount() const;

    bool scrollLock() const { return scrollLock_; }
    void setScrollLock(bool on);

    // The text between two positions as plain text: lines end in CR LF, smileys read as their
    // codes.
    QString plainText(int from, int to) const;
    QString selectedPlainText() const;
    // The link address stored at a point of the viewport; empty when there is no link.
    QString linkAt(QPoint viewportPos) const { return anchorAt(viewportPos); }

    QMenu* popup_mainchat = nullptr;
    QAction* SelectAll1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* ClearMainChat2 = nullptr;
    QAction* ScrollChatOff1 = nullptr;

  signals:
    // A link was clicked: its own stored address.
    void linkClicked(const QString& target);
    void clearRequested();
    void scrollLockToggled(bool on);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;

  private:
    void buildMenu();
    void applyPendingSize();
    void setStyle(int number, std::uint32_t colour);
    QTextCharFormat textFormat(int number) const;
    QTextCharFormat linkFormat(const QString& word) const;
    void insertPicture(QTextCursor& cursor, int picture);
    void trimOldest();
    void dropUnusedFormats();

    std::array<TextStyle, kStyleCount> styles_{};
    int shownSize_ = kDefaultTextSize;
    int pendingSize_ = 0;
    bool scrollLock_ = false;
    bool empty_ = true;
    int formatsInUse_ = 0;  // formats the document held right after the last copy
    Bounds bounds_;
    QString pressedLink_;
    QPoint pressedAt_;
};

}  // namespace hexaline::chat
