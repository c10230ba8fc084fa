// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A real table panel with the chat attached, every outward hook recorded and a clock the test
// moves by hand.

#include <gtest/gtest.h>

#include <QStringList>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <memory>
#include <string>
#include <vector>

#include "chat/chat.h"
#include "chat/chat_area.h"
#include "chat/chat_log.h"
#include "chat/phrase_buttons.h"
#include "chat/sound_service.h"
#include "client/client_core.h"
#include "client/recording_services.h"
#include "protocol/builder.h"
#include "table/table_panel.h"
#include "text/settings/preference_store.h"

namespace hexaline::chat {

// Remembers what would have played.
class RecordingBackend : public SoundBackend {
  public:
    explicit RecordingBackend(QStringList& played) : played_(played) {}
    void play(const QString& name) override { played_ << name; }
    void stop() override {}

  private:
    QStringList& played_;
};

class ChatTest : public ::testing::Test {
  protected:
    ChatTest()
        : chat(panel, &window, core, prefs,
               std::make_unique<SoundService>(std::make_unique<RecordingBackend>(played)),
               [this] { return now; }) {
        ChatHooks& h = chat.hooks;
        h.openUrl = [this](const QUrl& url) {
            opened << url.toString();
            return openWorks;
        };
        h.showMessage = [this](const QString& text) { messages << text; };
        h.pickColour = [this](const QColor&) { return picked; };
        // The settings code saves when the user changes a preference.
        QObject::connect(&prefs, &settings::PreferenceStore::changed, [this] { ++saves; });
        for (int s = 1; s <= 4; ++s)
            core.model().seatTaken(s, names[static_cast<std::size_t>(s - 1)].toStdString());
        setSeat(1);
        setConnected(true);
        window.resize(800, 560);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void setSeat(int seat) { core.model().setMyseat(seat); }
    void setConnected(bool on) { core.model().setConnected(on); }
    ChatLog& log() { return *chat.area().mainchat; }
    QTextDocument& doc() { return *log().document(); }
    QString lineText(int n) { return doc().findBlockByNumber(n).text(); }
    // The message as the host sends it, handed to the client's handlers.
    void feed(protocol::Msg id, const protocol::Values& head) {
        std::string message = protocol::build(id, head);
        message.pop_back();
        core.dispatch(message);
    }

    client::fakes::RecordingServices services;
    client::ClientCore core{services};
    QWidget window;
    table::TablePanel panel{&window};
    QStringList played;
    std::int64_t now = 0;
    settings::PreferenceStore prefs;
    Chat chat;

    std::vector<std::string>& sent = services.sent;
    std::array<QString, 4> names{QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy"),
                                 QStringLiteral("Di")};
    QStringList opened;
    bool openWorks = true;
    QStringList messages;
    std::optional<QColor> picked;
    int saves = 0;
};

}  // namespace hexaline::chat
