// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/phrase_editor.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "art/artwork.h"
#include "table/side_window.h"

namespace hexaline::chat {

PhraseEditor::PhraseEditor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("phrases"));
    setWindowTitle(QStringLiteral("Hexaline - Phrase Buttons "));
    setModal(false);
    setFixedSize(368, 265);
    for (int k = 1; k <= kFields; ++k) {
        const int y = 8 + (k - 1) * 23;
        table::styledLabel(this, QStringLiteral("Phrase Button %1:").arg(k), {12, y, 105, 19},
                           {.pixels = 12, .bold = true, .family = "Arial"});
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("phrase%1").arg(k));
        edit->setGeometry(120, y, 236, 19);
        edit->setMaxLength(kMaxLength);
        fields_[static_cast<std::size_t>(k - 1)] = edit;
    }
    table::styledLabel(this, QStringLiteral("Buttons can only be used once every 2 seconds"),
                       {12, 214, 344, 16},
                       {.pixels = 12, .family = "Arial", .alignment = Qt::AlignCenter});
    doneButton = new QPushButton(QStringLiteral("Done"), this);
    doneButton->setObjectName(QStringLiteral("button_done"));
    doneButton->setGeometry(146, 235, 75, 24);
    connect(doneButton, &QPushButton::clicked, this, &PhraseEditor::doneClicked);
}

void PhraseEditor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), art::kMaroon);
    painter.drawTiledPixmap(rect(), art::background(devicePixelRatioF()));
}

}  // namespace hexaline::chat
