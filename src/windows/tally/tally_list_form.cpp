// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tally/tally_list_form.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "art/artwork.h"
#include "client/seat_captions.h"
#include "table/side_window.h"
#include "windows/tally/tally_store.h"

namespace hexaline::tally {

namespace {

constexpr int kClientWidth = 475;
constexpr int kClientHeight = 347;

// Names come from peers and from the tally file: every label here shows plain text.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect at,
                  bool bold = false) {
    return table::styledLabel(parent, text, at, {.name = name, .bold = bold, .plainText = true});
}

QGroupBox* makePanel(QWidget* parent, const QString& title, QRect at) {
    auto* panel = new QGroupBox(title, parent);
    panel->setGeometry(at);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::WindowText, art::kLabelText);
    panel->setPalette(palette);
    return panel;
}

bool askYesNo(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Hexaline"), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);  // the question names a player
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

TallyListForm::TallyListForm(const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), path_(path) {
    setObjectName(QStringLiteral("tallylist"));
    setWindowTitle(QStringLiteral("Hexaline - Tally List"));
    setFixedSize(kClientWidth, kClientHeight);
    confirm_ = [this](const QString& question) { return askYesNo(this, question); };
    buildControls();

    TallyLoad load = loadTally(path_);
    table_ = std::move(load.table);
    loadError_ = load.error;
    keptAs_ = load.keptAs;
    showTotals();
    fillTallied();
}

TallyListForm::~TallyListForm() {
    save();
}

void TallyListForm::buildControls() {
    QGroupBox* mine = makePanel(this, QStringLiteral("Your Total Tally"), {8, 6, 220, 62});
    makeLabel(mine, nullptr, QStringLiteral("Total Games:"), {10, 18, 90, 16});
    myGamesLabel = makeLabel(mine, "mylabel_1", QStringLiteral("0"), {104, 18, 60, 16}, true);
    makeLabel(mine, nullptr, QStringLiteral("Your Wins"), {10, 38, 90, 16});
    myWinsLabel = makeLabel(mine, "mylabel_2", QStringLiteral("0"), {104, 38, 60, 16}, true);
    myColumn3Label = makeLabel(mine, "mylabel_3", QStringLiteral("0"), {170, 18, 40, 16});
    myColumn4Label = makeLabel(mine, "mylabel_4", QStringLiteral("0"), {170, 38, 40, 16});
    myColumn3Label->hide();
    myColumn4Label->hide();

    QGroupBox* player = makePanel(this, QString(), {8, 72, 220, 124});
    playerTitleLabel =
        makeLabel(player, "label_hisnametop", QStringLiteral("XX's Tally"), {10, 6, 200, 16}, true);
    makeLabel(player, nullptr, QStringLiteral("Total"), {120, 26, 40, 16}, true);
    makeLabel(player, nullptr, QStringLiteral("Session"), {166, 26, 50, 16}, true);
    const QStringList rows{QStringLiteral("Number of Games"), QStringLiteral("XX Wins:"),
                           QStringLiteral("Your Wins:"), QStringLiteral("Neither Won:")};
    for (int r = 0; r < 4; ++r) {
        const int y = 46 + r * 18;
        QLabel* caption =
            makeLabel(player, r == 1 ? "label_hisname" : nullptr, rows[r], {10, y, 108, 16});
        if (r == 1)
            playerWinsCaption = caption;
        for (int side = 0; side < 2; ++side) {
            const int k = r + 1 + side * 4;
            const QByteArray name = "label_" + QByteArray::number(k);
            countLabels[static_cast<std::size_t>(k - 1)] = makeLabel(
                player, name.constData(), QStringLiteral("0"), {120 + side * 46, y, 44, 16}, true);
        }
    }

    QGroupBox* current =
        makePanel(this, QStringLiteral("Players In Current Game"), {8, 200, 220, 110});
    inGameList = new QListWidget(current);
    inGameList->setObjectName(QStringLiteral("checklist"));
    inGameList->setGeometry(8, 20, 204, 82);

    QGroupBox* tallied =
        makePanel(this, QStringLiteral("Players Being Tallied"), {236, 6, 231, 304});
    talliedList = new QListWidget(tallied);
    talliedList->setObjectName(QStringLiteral("listbox_tally"));
    talliedList->setGeometry(8, 20, 215, 276);

    resetButton = new QPushButton(QStringLiteral("Reset Tally"), this);
    resetButton->setObjectName(QStringLiteral("button_reset"));
    resetButton->setGeometry(8, 316, 100, 24);
    doneButton = new QPushButton(QStringLiteral("Done"), this);
    doneButton->setObjectName(QStringLiteral("button_done"));
    doneButton->setGeometry(367, 316, 100, 24);

    connect(resetButton, &QPushButton::clicked, this, &TallyListForm::resetTally);
    connect(doneButton, &QPushButton::clicked, this, &QWidget::close);
    connect(inGameList, &QListWidget::itemChanged, this, &TallyListForm::tallyPlayerInGame);
    connect(talliedList, &QListWidget::itemChanged, this, &TallyListForm::untallyPlayer);
    connect(talliedList, &QListWidget::currentRowChanged, this, &TallyListForm::showPlayer);
}

bool TallyListForm::save() {
    return saveTally(path_, table_);
}

void TallyListForm::showTotals() {
    const OwnTally& own = table_.own();
    myGamesLabel->setText(QString::number(own.games));
    myWinsLabel->setText(QString::number(own.wins));
    myColumn3Label->setText(QString::number(own.carried[0]));
    myColumn4Label->setText(QString::number(own.carried[1]));
}

void TallyListForm::showPlayer(int index) {
    const std::vector<TalliedPlayer>& players = table_.players();
    if (index < 0 || index >= static_cast<int>(players.size()))
        return;
    const TalliedPlayer& p = players[static_cast<std::size_t>(index)];
    const std::array<int, 8> counts{p.total.games,      p.total.theirWins,   p.total.myWins,
                                    p.total.neitherWon, p.session.games,     p.session.theirWins,
                                    p.session.myWins,   p.session.neitherWon};
    for (std::size_t c = 0; c < counts.size(); ++c)
        countLabels[c]->setText(QString::number(counts[c]));
    playerWinsCaption->setText(p.name + QStringLiteral(" Wins:"));
    playerTitleLabel->setText(p.name + QStringLiteral("'s Tally"));
}

void TallyListForm::addTalliedItem(const QString& name) {
    auto* item = new QListWidgetItem(name, talliedList);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
}

void TallyListForm::fillTallied() {
    filling_ = true;
    talliedList->clear();
    for (const TalliedPlayer& p : table_.players())
        addTalliedItem(p.name);
    filling_ = false;
}

void TallyListForm::loadchecklist() {
    filling_ = true;
    inGameList->clear();
    inGame_.clear();
    const QStringList captions = captions_ ? captions_() : QStringList();
    for (const QString& caption : captions) {
        if (caption == QLatin1String(session::kWaiting))
            continue;
        inGame_ << caption;
        auto* item = new QListWidgetItem(caption, inGameList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(table_.isTallied(caption) ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
}

void TallyListForm::addgame(const QString& winner) {
    loadchecklist();
    table_.addgame(winner, inGame_);
    showTotals();
    showPlayer(talliedList->currentRow());
    save();
}

void TallyListForm::tallyPlayerInGame(QListWidgetItem* item) {
    if (filling_)
        return;
    const int index = inGameList->row(item);
    if (index < 0 || index >= inGame_.size())
        return;
    const QString name = inGame_[index];
    if (table_.addPlayer(name)) {
        filling_ = true;
        addTalliedItem(name);
        filling_ = false;
        save();
    }
    // The check mark shows whether the player is tallied; unchecking here removes nothing.
    filling_ = true;
    item->setCheckState(table_.isTallied(name) ? Qt::Checked : Qt::Unchecked);
    filling_ = false;
}

void TallyListForm::untallyPlayer(QListWidgetItem* item) {
    if (filling_ || item->checkState() == Qt::Checked)
        return;
    const int index = talliedList->row(item);
    if (index < 0 || index >= static_cast<int>(table_.players().size()))
        return;
    const QString name = table_.players()[static_cast<std::size_t>(index)].name;
    if (!confirm_(QStringLiteral("This will delete ") + name +
                  QStringLiteral("'s Tally. Do you want to delete it?"))) {
        filling_ = true;
        item->setCheckState(Qt::Checked);
        filling_ = false;
        return;
    }
    table_.removePlayer(index);
    filling_ = true;
    delete talliedList->takeItem(index);
    filling_ = false;
    showPlayer(talliedList->currentRow());
    save();
    loadchecklist();
}

void TallyListForm::resetTally() {
    if (!confirm_(QStringLiteral("Are you sure you want to reset the Tally?")))
        return;
    table_.reset();
    showTotals();
    fillTallied();
    for (QLabel* label : countLabels)
        label->setText(QStringLiteral("0"));
    save();
    loadchecklist();
}

void TallyListForm::showOver(const QWidget* mainWindow) {
    loadchecklist();
    table::showOver(*this, mainWindow, table::Reopen::Centred);
}

void TallyListForm::paintEvent(QPaintEvent*) {
    art::paintBackground(*this);
}

}  // namespace hexaline::tally
