// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/chat_hooks.h"

#include <QColorDialog>
#include <QDesktopServices>

#include "text/settings/save_phrases.h"

namespace hexaline::chat {

ChatHooks defaultChatHooks() {
    ChatHooks h;
    h.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    h.showMessage = [](const QString& text) { qWarning("%s", qPrintable(text)); };
    h.pickColour = [](const QColor& current) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(current);
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    };
    h.savephrases = [](const std::array<QString, settings::kPhraseCount>& phrases) {
        return settings::savephrases(phrases);
    };
    return h;
}

}  // namespace hexaline::chat
