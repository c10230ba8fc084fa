// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tally/tally_list_form.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "art/artwork.h"
#include "client/seat_view.h"
#include "windows/tally/tally_store.h"

namespace hexaline::tally {

namespace {

constexpr int kClientWidth = 475;
constexpr int kClientHeight = 347;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect at,
                  bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);  // names come from peers and from the tally file
    if (name != nullptr)
        label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(at);
    QFont font = label->font();
    font.setPixelSize(11);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, art::kLabelText);
    label->setPalette(palette);
    return label;
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
    mylabel_1 = makeLabel(mine, "mylabel_1", QStringLiteral("0"), {104, 18, 60, 16}, true);
    makeLabel(mine, nullptr, QStringLiteral("Your Wins"), {10, 38, 90, 16});
    mylabel_2 = makeLabel(mine, "mylabel_2", QStringLiteral("0"), {104, 38, 60, 16}, true);
    mylabel_3 = makeLabel(mine, "mylabel_3", QStringLiteral("0"), {170, 18, 40, 16});
    mylabel_4 = makeLabel(mine, "mylabel_4", QStringLiteral("0"), {170, 38, 40, 16});
    mylabel_3->hide();
    mylabel_4->hide();

    QGroupBox* player = makePanel(this, QString(), {8, 72, 220, 124});
    label_hisnametop =
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
            label_hisname = caption;
        for (int side = 0; side < 2; ++side) {
            const int k = r + 1 + side * 4;
            const QByteArray name = "label_" + QByteArray::number(k);
            label_[static_cast<std::size_t>(k - 1)] = makeLabel(
                player, name.constData(), QStringLiteral("0"), {120 + side * 46, y, 44, 16}, true);
        }
    }

    QGroupBox* current =
        makePanel(this, QStringLiteral("Players In Current Game"), {8, 200, 220, 110});
    checklist = new QListWidget(current);
    checklist->setObjectName(QStringLiteral("checklist"));
    checklist->setGeometry(8, 20, 204, 82);

    QGroupBox* tallied =
        makePanel(this, QStringLiteral("Players Being Tallied"), {236, 6, 231, 304});
    listbox_tally = new QListWidget(tallied);
    listbox_tally->setObjectName(QStringLiteral("listbox_tally"));
    listbox_tally->setGeometry(8, 20, 215, 276);

    button_reset = new QPushButton(QStringLiteral("Reset Tally"), this);
    button_reset->setObjectName(QStringLiteral("button_reset"));
    button_reset->setGeometry(8, 316, 100, 24);
    button_done = new QPushButton(QStringLiteral("Done"), this);
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setGeometry(367, 316, 100, 24);

    connect(button_reset, &QPushButton::clicked, this, &TallyListForm::button_resetClick);
    connect(button_done, &QPushButton::clicked, this, &TallyListForm::button_doneClick);
    connect(checklist, &QListWidget::itemChanged, this, &TallyListForm::checklistClickCheck);
    connect(listbox_tally, &QListWidget::itemChanged, this,
            &TallyListForm::listbox_tallyClickCheck);
    connect(listbox_tally, &QListWidget::currentRowChanged, this, &TallyListForm::showPlayer);
}

bool TallyListForm::save() {
    return saveTally(path_, table_);
}

void TallyListForm::showTotals() {
    mylabel_1->setText(table_.cell(0, 1));
    mylabel_2->setText(table_.cell(0, 2));
    mylabel_3->setText(table_.cell(0, 3));
    mylabel_4->setText(table_.cell(0, 4));
}

void TallyListForm::showPlayer(int index) {
    const int row = index + 1;
    if (index < 0 || row >= table_.rowCount())
        return;
    for (int c = 1; c <= 8; ++c)
        label_[static_cast<std::size_t>(c - 1)]->setText(table_.cell(row, c));
    const QString name = table_.cell(row, 0);
    label_hisname->setText(name + QStringLiteral(" Wins:"));
    label_hisnametop->setText(name + QStringLiteral("'s Tally"));
}

void TallyListForm::fillTallied() {
    filling_ = true;
    listbox_tally->clear();
    for (const QString& name : table_.names()) {
        auto* item = new QListWidgetItem(name, listbox_tally);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    filling_ = false;
}

void TallyListForm::loadchecklist() {
    filling_ = true;
    checklist->clear();
    const QStringList captions = captions_ ? captions_() : QStringList();
    for (const QString& caption : captions) {
        if (caption == QLatin1String(session::kWaiting))
            continue;
        auto* item = new QListWidgetItem(caption, checklist);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(table_.isTallied(caption) ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
}

void TallyListForm::addgame(const QString& winner) {
    loadchecklist();
    QStringList inGame;
    for (int i = 0; i < checklist->count(); ++i)
        inGame << checklist->item(i)->text();
    table_.addgame(winner, inGame);
    showTotals();
    showPlayer(listbox_tally->currentRow());
    save();
}

void TallyListForm::checklistClickCheck(QListWidgetItem* item) {
    if (filling_)
        return;
    const QString name = item->text();
    if (table_.addPlayer(name)) {
        filling_ = true;
        auto* entry = new QListWidgetItem(name, listbox_tally);
        entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
        entry->setCheckState(Qt::Checked);
        filling_ = false;
        save();
    }
    // The check mark shows whether the player is tallied; unchecking here removes nothing.
    filling_ = true;
    item->setCheckState(table_.isTallied(name) ? Qt::Checked : Qt::Unchecked);
    filling_ = false;
}

void TallyListForm::listbox_tallyClickCheck(QListWidgetItem* item) {
    if (filling_ || item->checkState() == Qt::Checked)
        return;
    const int index = listbox_tally->row(item);
    const QString name = item->text();
    if (!confirm_(QStringLiteral("This will delete ") + name +
                  QStringLiteral("'s Tally. Do you want to delete it?"))) {
        filling_ = true;
        item->setCheckState(Qt::Checked);
        filling_ = false;
        return;
    }
    table_.removeRow(index + 1);
    filling_ = true;
    delete listbox_tally->takeItem(index);
    filling_ = false;
    showPlayer(listbox_tally->currentRow());
    save();
    loadchecklist();
}

void TallyListForm::button_resetClick() {
    if (!confirm_(QStringLiteral("Are you sure you want to reset the Tally?")))
        return;
    table_.reset();
    showTotals();
    fillTallied();
    for (QLabel* label : label_)
        label->setText(QStringLiteral("0"));
    save();
    loadchecklist();
}

void TallyListForm::showOver(const QWidget* mainWindow) {
    loadchecklist();
    if (mainWindow != nullptr)
        move(mainWindow->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
}

void TallyListForm::paintEvent(QPaintEvent*) {
    art::paintBackground(*this);
}

}  // namespace hexaline::tally
