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

    label_title = new QLabel(QStringLiteral("Spy List"), this);
    label_title->setObjectName(QStringLiteral("label_title"));
    label_title->setGeometry(4, 2, 154, 22);
    QFont font = label_title->font();
    font.setPixelSize(19);
    font.setBold(true);
    label_title->setFont(font);
    QPalette palette = label_title->palette();
    palette.setColor(QPalette::WindowText, art::kLabelText);
    label_title->setPalette(palette);

    listbox_spys = new QListWidget(this);
    listbox_spys->setObjectName(QStringLiteral("listbox_spys"));
    listbox_spys->setGeometry(4, 24, 154, 130 - 16);
    QPalette listPalette = listbox_spys->palette();
    listPalette.setColor(QPalette::Base, kListBackground);
    listbox_spys->setPalette(listPalette);
    listbox_spys->setMouseTracking(true);
    listbox_spys->viewport()->setMouseTracking(true);
    listbox_spys->viewport()->installEventFilter(this);
    listbox_spys->setContextMenuPolicy(Qt::DefaultContextMenu);

    button_done = new QPushButton(QStringLiteral("Done"), this);
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setGeometry(44, 142, 74, 22);
    connect(button_done, &QPushButton::clicked, this, &QWidget::close);

    popup_kick = new QMenu(this);
    popup_kick->setObjectName(QStringLiteral("popup_kick"));
    popup_kickhim = popup_kick->addAction(QStringLiteral("Remove From Game"));
    popup_kickhim->setObjectName(QStringLiteral("popup_kickhim"));
    popup_kickhim->setEnabled(false);
    connect(popup_kickhim, &QAction::triggered, this, &SpyListForm::popup_kickhimClick);
}

void SpyListForm::addSpectator(const QString& entry) {
    listbox_spys->addItem(entry);
}

bool SpyListForm::removeSpectator(const QString& entry) {
    for (int i = 0; i < listbox_spys->count(); ++i) {
        if (listbox_spys->item(i)->text() == entry) {
            delete listbox_spys->takeItem(i);
            return true;
        }
    }
    return false;
}

void SpyListForm::showEntries(const QStringList& entries) {
    if (this->entries() == entries)
        return;
    listbox_spys->clear();
    listbox_spys->addItems(entries);
}

QStringList SpyListForm::entries() const {
    QStringList list;
    for (int i = 0; i < listbox_spys->count(); ++i)
        list << listbox_spys->item(i)->text();
    return list;
}

void SpyListForm::setRemoveEnabled(bool enabled) {
    popup_kickhim->setEnabled(enabled);
}

bool SpyListForm::removeEnabled() const {
    return popup_kickhim->isEnabled();
}

void SpyListForm::listbox_spysMouseMove(const QPoint& pos) {
    const QListWidgetItem* item = listbox_spys->itemAt(pos);
    hoverIndex_ = item != nullptr ? listbox_spys->row(item) : -1;
}

void SpyListForm::popup_kickhimClick() {
    if (hoverIndex_ < 0 || hoverIndex_ >= listbox_spys->count())
        return;
    const QString text = listbox_spys->item(hoverIndex_)->text();
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    bool ok = false;
    const int seat = text.left(colon < 0 ? text.size() : colon).toInt(&ok);
    if (!ok)
        return;
    if (kicking_)
        kicking_(seat);
}

bool SpyListForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == listbox_spys->viewport()) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress) {
            listbox_spysMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
        } else if (event->type() == QEvent::ContextMenu) {
            auto* menuEvent = static_cast<QContextMenuEvent*>(event);
            listbox_spysMouseMove(menuEvent->pos());
            popup_kick->popup(menuEvent->globalPos());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpyListForm::showOver(const QWidget* mainWindow) {
    if (mainWindow != nullptr && !isVisible())
        move(mainWindow->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
}

void SpyListForm::paintEvent(QPaintEvent*) {
    art::paintBackground(*this);
}

}  // namespace hexaline::spy
