// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar and the handlers of its entries.
#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "app/main_window.h"
#include "engine/players/player.h"

namespace hexaline::app {

namespace {

QAction* radioEntry(QMenu* menu, QActionGroup* group, const char* name, const QString& text,
                    int tag) {
    QAction* entry = menu->addAction(text);
    entry->setObjectName(QString::fromLatin1(name));
    entry->setCheckable(true);
    entry->setData(tag);
    group->addAction(entry);
    return entry;
}

// Triggers an entry when its key is pressed while its menu is open.
class MenuKey : public QObject {
  public:
    MenuKey(QKeySequence key, QAction* entry) : QObject(entry), key_(key), entry_(entry) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* press = static_cast<QKeyEvent*>(event);
            if (QKeySequence(press->keyCombination()) == key_ && entry_->isEnabled()) {
                if (auto* menu = qobject_cast<QMenu*>(watched))
                    menu->close();
                entry_->trigger();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QKeySequence key_;
    QAction* entry_;
};

void checkTag(QActionGroup* group, int tag) {
    for (QAction* entry : group->actions())
        entry->setChecked(entry->data().toInt() == tag);
}

}  // namespace

QAction* MainWindow::addEntry(QMenu* menu, MenuEntry which, const char* name, const QString& text) {
    QAction* entry = menu->addAction(text);
    entry->setObjectName(QString::fromLatin1(name));
    entries_[static_cast<std::size_t>(which)] = entry;
    return entry;
}

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    QAction* startGame =
        addEntry(file, MenuEntry::StartGame, "StartGame1", QStringLiteral("Start Game"));
    startGame->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    startGame->setEnabled(false);
    file->addSeparator();
    connect(addEntry(file, MenuEntry::Exit, "Exit1", QStringLiteral("Exit")), &QAction::triggered,
            this, &QWidget::close);
    // Playing with friends without a command line.
    file->addSeparator();
    addEntry(file, MenuEntry::HostGame, "HostaGame1", QStringLiteral("Host a Game…"));
    addEntry(file, MenuEntry::JoinGame, "JoinaGame1", QStringLiteral("Join a Game…"));

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    QAction* playSounds =
        addEntry(options, MenuEntry::PlaySounds, "PlaySounds1", QStringLiteral("Play Sounds"));
    playSounds->setCheckable(true);
    connect(playSounds, &QAction::triggered, &prefs_, &settings::PreferenceStore::setPlaySounds);
    QAction* phraseSounds = addEntry(options, MenuEntry::PlayerPhraseSounds, "PlayerPhraseSounds1",
                                     QStringLiteral("Player Phrase Sounds"));
    phraseSounds->setCheckable(true);
    connect(phraseSounds, &QAction::triggered, &prefs_,
            &settings::PreferenceStore::setPlayerPhraseSounds);

    QMenu* turnSound = options->addMenu(QStringLiteral("Turn Sound"));
    turnSound->setObjectName(QStringLiteral("TurnSound1"));
    turnSoundGroup_ = new QActionGroup(this);
    radioEntry(turnSound, turnSoundGroup_, "Classic1", QStringLiteral("Classic"),
               settings::kTurnSoundClassic);
    radioEntry(turnSound, turnSoundGroup_, "New1", QStringLiteral("New"), settings::kTurnSoundNew);
    connect(turnSoundGroup_, &QActionGroup::triggered, &prefs_,
            [this](QAction* entry) { prefs_.setTurnSound(entry->data().toInt()); });

    QMenu* botSpeed = options->addMenu(QStringLiteral("Bot Speed"));
    botSpeed->setObjectName(QStringLiteral("BotSpeed1"));
    botSpeedGroup_ = new QActionGroup(this);
    radioEntry(botSpeed, botSpeedGroup_, "Slow1", QStringLiteral("Slow"), settings::kBotSpeedSlow);
    radioEntry(botSpeed, botSpeedGroup_, "Normal1", QStringLiteral("Normal"),
               settings::kBotSpeedNormal);
    radioEntry(botSpeed, botSpeedGroup_, "Fast1", QStringLiteral("Fast"), settings::kBotSpeedFast);
    connect(botSpeedGroup_, &QActionGroup::triggered, &prefs_,
            [this](QAction* entry) { prefs_.setBotSpeedMs(entry->data().toInt()); });

    options->addSeparator();
    addEntry(options, MenuEntry::TextColor, "TextColor1", QStringLiteral("Text Color"));
    QMenu* textSize = options->addMenu(QStringLiteral("Text Size"));
    textSize->setObjectName(QStringLiteral("TextSize1"));
    textSizeGroup_ = new QActionGroup(this);
    for (const auto& [name, size] : {std::pair{"N8", 8}, {"N10", 10}, {"N12", 12}, {"N14", 14}}) {
        radioEntry(textSize, textSizeGroup_, name, QString::number(size), size);
    }
    connect(textSizeGroup_, &QActionGroup::triggered, &prefs_,
            [this](QAction* entry) { prefs_.setTextSize(entry->data().toInt()); });

    // Ctrl+S belongs to "Start Game" wherever the focus is. This entry only shows the key and
    // answers it while its menu is open: a second shortcut for the same key would make Qt
    // report it as ambiguous and trigger neither.
    QAction* scrollChatOff = addEntry(options, MenuEntry::ScrollChatOff, "ScrollChatOff2",
                                      QStringLiteral("Scroll Chat Off\tCtrl+S"));
    scrollChatOff->setCheckable(true);
    options->installEventFilter(new MenuKey(QKeySequence(QStringLiteral("Ctrl+S")), scrollChatOff));
    addEntry(options, MenuEntry::ClearMainChat, "ClearMainChat1",
             QStringLiteral("Clear Main Chat"));
    connect(addEntry(options, MenuEntry::ResetScreenLocation, "ResetScreenLocation1",
                     QStringLiteral("Reset Screen Location")),
            &QAction::triggered, this, &MainWindow::resetScreenLocation);
    options->addSeparator();
    QAction* justWatch =
        addEntry(options, MenuEntry::JustWatch, "JustWatch1", QStringLiteral("Just Watch"));
    justWatch->setCheckable(true);
    // The mark changes only on the host's word: a click puts it back before the click's work
    // asks the host.
    connect(justWatch, &QAction::triggered, this,
            [justWatch](bool checked) { justWatch->setChecked(!checked); });
    // Only the instance that hosts chooses how the computer plays.
    options->addSeparator();
    computerStrength_ = options->addMenu(QStringLiteral("Computer Strength"));
    computerStrength_->setObjectName(QStringLiteral("ComputerStrength1"));
    computerStrength_->setEnabled(false);
    botLevelGroup_ = new QActionGroup(this);
    radioEntry(computerStrength_, botLevelGroup_, "NormalStrength1", QStringLiteral("Normal"),
               static_cast<int>(engine::BotLevel::Normal))
        ->setChecked(true);
    radioEntry(computerStrength_, botLevelGroup_, "StrongStrength1", QStringLiteral("Strong"),
               static_cast<int>(engine::BotLevel::Strong));

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("View1"));
    addEntry(view, MenuEntry::ViewTally, "ViewTally1", QStringLiteral("View Tally"));
    addEntry(view, MenuEntry::SpyList, "SpyList1", QStringLiteral("Spy List"));
    addEntry(view, MenuEntry::PhraseList, "PrhaseList1", QStringLiteral("Phrase List"));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    addEntry(help, MenuEntry::Help, "Help2", QStringLiteral("Content"))
        ->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    addEntry(help, MenuEntry::About, "About1", QStringLiteral("About"));
    addEntry(help, MenuEntry::QuickInstructions, "QuickInstructions1",
             QStringLiteral("Quick Instructions"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+I")));

    showPreferences();
    connect(&prefs_, &settings::PreferenceStore::changed, this, &MainWindow::showPreferences);
    connect(&prefs_, &settings::PreferenceStore::loaded, this, &MainWindow::showPreferences);
}

void MainWindow::showPreferences() {
    entry(MenuEntry::PlaySounds)->setChecked(prefs_.playSounds());
    entry(MenuEntry::PlayerPhraseSounds)->setChecked(prefs_.playerPhraseSounds());
    checkTag(turnSoundGroup_, prefs_.turnSound());
    checkTag(botSpeedGroup_, prefs_.botSpeedMs());
    // A size without an entry checks none, which an exclusive group cannot show through
    // setChecked(false) alone.
    textSizeGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    checkTag(textSizeGroup_, prefs_.textSize());
    textSizeGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
}

void MainWindow::setJustWatchChecked(bool on) {
    entry(MenuEntry::JustWatch)->setChecked(on);
}

void MainWindow::showBotLevel(int level) {
    checkTag(botLevelGroup_, level);
}

void MainWindow::setComputerStrengthAvailable(bool available) {
    computerStrength_->setEnabled(available);
}

}  // namespace hexaline::app
