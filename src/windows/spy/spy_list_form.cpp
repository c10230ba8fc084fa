// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/spy/spy_list_form.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "art/artwork.h"
#include "table/side_window.h"

namespace hexaline::spy {

namespace {
constexpr int kClientWidth = 162;
constexpr int kClientHeight = 168;
const QColor kListBackground{0xFB, 0xFD, 0xCE};  // 13565435 in blue-green-red order
}  // namespace

SpyListForm::SpyListForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("spylist"));
    setWindowTitle(QStringLiteral("Hexaline - Spies"));
    setFixedSize(kClientWidth, kClientHeight);

    titleLabel = table::styledLabel(this, QStringLiteral("Spy List"), {4, 2, 154, 22},
                                    {.name = "label_title", .pixels = 19, .bold = true});

    spyList = new QListWidget(this);
    spyList->setObjectName(QStringLiteral("listbox_spys"));
    spyList->setGeometry(4, 24, 154, 130 - 16);
    QPalette listPalette = spyList->palette();
    listPalette.setColor(QPalette::Base, kListBackground);
    spyList->setPalette(listPalette);
    spyList->setMouseTracking(true);
    spyList->viewport()->setMouseTracking(true);
    spyList->viewport()->installEventFilter(this);
    spyList->setContextMenuPolicy(Qt::DefaultContextMenu);

    doneButton = new QPushButton(QStringLiteral("Done"), this);
    doneButton->setObjectName(QStringLiteral("button_done"));
    doneButton->setGeometry(44, 142, 74, 22);
    connect(doneButton, &QPushButton::clicked, this, &QWidget::close);

    kickMenu = new QMenu(this);
    kickMenu->setObjectName(QStringLiteral("popup_kick"));
    kickAction = kickMenu->addAction(QStringLiteral("Remove From Game"));
    kickAction->setObjectName(QStringLiteral("popup_kickhim"));
    kickAction->setEnabled(false);
    connect(kickAction, &QAction::triggered, this, &SpyListForm::kickSelected);
}

void SpyListForm::addSpectator(const QString& entry) {
    entries_ << entry;
    spyList->addItem(entry);
}

bool SpyListForm::removeSpectator(const QString& entry) {
    const qsizetype index = entries_.indexOf(entry);
    if (index < 0)
        return false;
    entries_.removeAt(index);
    delete spyList->takeItem(static_cast<int>(index));
    return true;
}

void SpyListForm::showEntries(const QStringList& entries) {
    if (entries_ == entries)
        return;
    entries_ = entries;
    spyList->clear();
    spyList->addItems(entries);
}

void SpyListForm::setRemoveEnabled(bool enabled) {
    removeEnabled_ = enabled;
    kickAction->setEnabled(enabled);
}

void SpyListForm::rememberEntryAt(const QPoint& pos) {
    const QListWidgetItem* item = spyList->itemAt(pos);
    hoverIndex_ = item != nullptr ? spyList->row(item) : -1;
}

void SpyListForm::kickSelected() {
    if (hoverIndex_ < 0 || hoverIndex_ >= entries_.size())
        return;
    const QString& text = entries_[hoverIndex_];
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    bool ok = false;
    const int seat = text.left(colon < 0 ? text.size() : colon).toInt(&ok);
    if (!ok)
        return;
    if (kicking_)
        kicking_(seat);
}

bool SpyListForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == spyList->viewport()) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress) {
            rememberEntryAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        } else if (event->type() == QEvent::ContextMenu) {
            auto* menuEvent = static_cast<QContextMenuEvent*>(event);
            rememberEntryAt(menuEvent->pos());
            kickMenu->popup(menuEvent->globalPos());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpyListForm::showOver(const QWidget* mainWindow) {
    // The list comes to the front without taking the keyboard.
    table::showOver(*this, mainWindow, table::Reopen::WhereItStays, false);
}

void SpyListForm::paintEvent(QPaintEvent*) {
    art::paintBackground(*this);
}

}  // namespace hexaline::spy
