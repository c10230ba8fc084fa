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

QAction* MainWindow::addEntry(QMenu* menu, const char* name, const QString& text) {
    QAction* entry = menu->addAction(text);
    entry->setObjectName(QString::fromLatin1(name));
    return entry;
}

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    StartGame1 = addEntry(file, "StartGame1", QStringLiteral("Start Game"));
    StartGame1->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    StartGame1->setEnabled(false);
    connect(StartGame1, &QAction::triggered, this, &MainWindow::StartGame1Click);
    file->addSeparator();
    connect(addEntry(file, "Exit1", QStringLiteral("Exit")), &QAction::triggered, this,
            &MainWindow::Exit1Click);
    // Playing with friends without a command line.
    file->addSeparator();
    connect(addEntry(file, "HostaGame1", QStringLiteral("Host a Game…")), &QAction::triggered, this,
            &MainWindow::HostaGame1Click);
    connect(addEntry(file, "JoinaGame1", QStringLiteral("Join a Game…")), &QAction::triggered, this,
            &MainWindow::JoinaGame1Click);

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    PlaySounds1 = addEntry(options, "PlaySounds1", QStringLiteral("Play Sounds"));
    PlaySounds1->setCheckable(true);
    PlaySounds1->setChecked(true);
    connect(PlaySounds1, &QAction::triggered, this, &MainWindow::PlaySounds1Click);
    PlayerPhraseSounds1 =
        addEntry(options, "PlayerPhraseSounds1", QStringLiteral("Player Phrase Sounds"));
    PlayerPhraseSounds1->setCheckable(true);
    PlayerPhraseSounds1->setChecked(true);
    connect(PlayerPhraseSounds1, &QAction::triggered, this, &MainWindow::PlayerPhraseSounds1Click);

    QMenu* turnSound = options->addMenu(QStringLiteral("Turn Sound"));
    turnSound->setObjectName(QStringLiteral("TurnSound1"));
    turnSoundGroup_ = new QActionGroup(this);
    radioEntry(turnSound, turnSoundGroup_, "Classic1", QStringLiteral("Classic"),
               settings::kTurnSoundClassic)
        ->setChecked(true);
    radioEntry(turnSound, turnSoundGroup_, "New1", QStringLiteral("New"), settings::kTurnSoundNew);
    connect(turnSoundGroup_, &QActionGroup::triggered, this, &MainWindow::TurnSoundClick);

    QMenu* botSpeed = options->addMenu(QStringLiteral("Bot Speed"));
    botSpeed->setObjectName(QStringLiteral("BotSpeed1"));
    botSpeedGroup_ = new QActionGroup(this);
    radioEntry(botSpeed, botSpeedGroup_, "Slow1", QStringLiteral("Slow"), settings::kBotSpeedSlow);
    radioEntry(botSpeed, botSpeedGroup_, "Normal1", QStringLiteral("Normal"),
               settings::kBotSpeedNormal)
        ->setChecked(true);
    radioEntry(botSpeed, botSpeedGroup_, "Fast1", QStringLiteral("Fast"), settings::kBotSpeedFast);
    connect(botSpeedGroup_, &QActionGroup::triggered, this, &MainWindow::BotSpeedClick);

    options->addSeparator();
    connect(addEntry(options, "TextColor1", QStringLiteral("Text Color")), &QAction::triggered,
            this, &MainWindow::TextColor1Click);
    QMenu* textSize = options->addMenu(QStringLiteral("Text Size"));
    textSize->setObjectName(QStringLiteral("TextSize1"));
    textSizeGroup_ = new QActionGroup(this);
    for (const auto& [name, size] : {std::pair{"N8", 8}, {"N10", 10}, {"N12", 12}, {"N14", 14}}) {
        radioEntry(textSize, textSizeGroup_, name, QString::number(size), size);
    }
    connect(textSizeGroup_, &QActionGroup::triggered, this, &MainWindow::TextSizeClick);

    // Ctrl+S belongs to "Start Game" wherever the focus is. This entry only shows the key and
    // answers it while its menu is open: a second shortcut for the same key would make Qt
    // report it as ambiguous and trigger neither.
    ScrollChatOff2 = addEntry(options, "ScrollChatOff2", QStringLiteral("Scroll Chat Off\tCtrl+S"));
    ScrollChatOff2->setCheckable(true);
    connect(ScrollChatOff2, &QAction::triggered, this, &MainWindow::ScrollChatOff2Click);
    options->installEventFilter(
        new MenuKey(QKeySequence(QStringLiteral("Ctrl+S")), ScrollChatOff2));
    connect(addEntry(options, "ClearMainChat1", QStringLiteral("Clear Main Chat")),
            &QAction::triggered, this, &MainWindow::ClearMainChat1Click);
    connect(addEntry(options, "ResetScreenLocation1", QStringLiteral("Reset Screen Location")),
            &QAction::triggered, this, &MainWindow::ResetScreenLocation1Click);
    options->addSeparator();
    JustWatch1 = addEntry(options, "JustWatch1", QStringLiteral("Just Watch"));
    JustWatch1->setCheckable(true);
    connect(JustWatch1, &QAction::triggered, this, &MainWindow::JustWatch1Click);
    // Only the instance that hosts chooses how the computer plays.
    options->addSeparator();
    ComputerStrength1 = options->addMenu(QStringLiteral("Computer Strength"));
    ComputerStrength1->setObjectName(QStringLiteral("ComputerStrength1"));
    ComputerStrength1->setEnabled(false);
    botLevelGroup_ = new QActionGroup(this);
    radioEntry(ComputerStrength1, botLevelGroup_, "NormalStrength1", QStringLiteral("Normal"),
               static_cast<int>(engine::BotLevel::Normal))
        ->setChecked(true);
    radioEntry(ComputerStrength1, botLevelGroup_, "StrongStrength1", QStringLiteral("Strong"),
               static_cast<int>(engine::BotLevel::Strong));
    connect(botLevelGroup_, &QActionGroup::triggered, this,
            [this](QAction* entry) { emit botLevelChosen(entry->data().toInt()); });

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("View1"));
    connect(addEntry(view, "ViewTally1", QStringLiteral("View Tally")), &QAction::triggered, this,
            &MainWindow::ViewTally1Click);
    connect(addEntry(view, "SpyList1", QStringLiteral("Spy List")), &QAction::triggered, this,
            &MainWindow::SpyList1Click);
    connect(addEntry(view, "PrhaseList1", QStringLiteral("Phrase List")), &QAction::triggered, this,
            &MainWindow::PrhaseList1Click);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* content = addEntry(help, "Help2", QStringLiteral("Content"));
    content->setShortcut(QKeySequence(Qt::Key_F1));
    connect(content, &QAction::triggered, this, &MainWindow::Help2Click);
    help->addSeparator();
    connect(addEntry(help, "About1", QStringLiteral("About")), &QAction::triggered, this,
            &MainWindow::About1Click);
    QAction* quick = addEntry(help, "QuickInstructions1", QStringLiteral("Quick Instructions"));
    quick->setShortcut(QKeySequence(QStringLiteral("Ctrl+I")));
    connect(quick, &QAction::triggered, this, &MainWindow::QuickInstructions1Click);
}

bool MainWindow::playSounds() const {
    return PlaySounds1->isChecked();
}

void MainWindow::setPlaySounds(bool on) {
    PlaySounds1->setChecked(on);
}

bool MainWindow::playerPhraseSounds() const {
    return PlayerPhraseSounds1->isChecked();
}

void MainWindow::setPlayerPhraseSounds(bool on) {
    PlayerPhraseSounds1->setChecked(on);
}

bool MainWindow::justWatchChecked() const {
    return JustWatch1->isChecked();
}

void MainWindow::setJustWatchChecked(bool on) {
    JustWatch1->setChecked(on);
}

void MainWindow::setTurnSound(int tag) {
    turnSound_ = tag;
    checkTag(turnSoundGroup_, tag);
}

void MainWindow::setBotSpeed(int tag) {
    botSpeed_ = tag;
    checkTag(botSpeedGroup_, tag);
}

void MainWindow::setTextSizeChecked(int size) {
    // An exclusive group cannot show "none checked" through setChecked(false) alone.
    textSizeGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    checkTag(textSizeGroup_, size);
    textSizeGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
}

int MainWindow::botLevel() const {
    return botLevelGroup_->checkedAction()->data().toInt();
}

void MainWindow::setBotLevel(int level) {
    checkTag(botLevelGroup_, level);
}

void MainWindow::setComputerStrengthAvailable(bool available) {
    ComputerStrength1->setEnabled(available);
}

void MainWindow::StartGame1Click() {
    emit startGameRequested();
}

void MainWindow::PlaySounds1Click() {
    if (saveinifile_)
        saveinifile_();
}

void MainWindow::PlayerPhraseSounds1Click() {
    if (saveinifile_)
        saveinifile_();
}

void MainWindow::TurnSoundClick(QAction* entry) {
    setTurnSound(entry->data().toInt());
    if (saveinifile_)
        saveinifile_();
}

void MainWindow::BotSpeedClick(QAction* entry) {
    setBotSpeed(entry->data().toInt());
    if (saveinifile_)
        saveinifile_();
}

void MainWindow::TextColor1Click() {
    emit textColorRequested();
}

void MainWindow::TextSizeClick(QAction* entry) {
    emit textSizeChosen(entry->data().toInt());
}

void MainWindow::ScrollChatOff2Click() {
    emit scrollChatOffToggled(ScrollChatOff2->isChecked());
}

void MainWindow::ClearMainChat1Click() {
    emit clearMainChatRequested();
}

void MainWindow::JustWatch1Click() {
    // The check mark changes only on the host's word, never by the click itself.
    QAction* entry = JustWatch1;
    entry->setChecked(!entry->isChecked());
    emit justWatchClicked();
}

void MainWindow::ViewTally1Click() {
    emit viewTallyRequested();
}

void MainWindow::SpyList1Click() {
    emit spyListRequested();
}

void MainWindow::PrhaseList1Click() {
    emit phraseListRequested();
}

void MainWindow::Help2Click() {
    emit helpRequested();
}

void MainWindow::About1Click() {
    emit aboutRequested();
}

void MainWindow::QuickInstructions1Click() {
    emit quickInstructionsRequested();
}

}  // namespace hexaline::app
