// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the chat needs from the desktop. Every hook has a harmless default, so the chat works on
// its own (and in tests) before the rest is attached.

#include <QColor>
#include <QString>
#include <QUrl>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "text/settings/preferences.h"
#include "text/settings/write_result.h"

namespace hexaline::chat {

struct ChatHooks {
    // The desktop's "open" of a web address; false when it failed.
    std::function<bool(const QUrl& url)> openUrl;
    // A message box for something the user just did (never for network input).
    std::function<void(const QString& text)> showMessage;
    // The colour dialog: the chosen colour, or nothing when cancelled.
    std::function<std::optional<QColor>(const QColor& current)> pickColour;
    // Writes "Phrase1".."Phrase9".
    std::function<settings::WriteResult(const std::array<QString, settings::kPhraseCount>&)>
        savephrases;
};

// Hooks with their defaults: the desktop's own dialogs and launcher, the settings file.
ChatHooks defaultChatHooks();

}  // namespace hexaline::chat
