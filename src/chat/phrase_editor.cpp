// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/phrase_editor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "art/artwork.h"

namespace hexaline::chat {

namespace {

QLabel* lightLabel(QWidget* parent, const QString& text, QRect at, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(at);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(bold);
    label->setFont(font);
    QPalette look = label->palette();
    look.setColor(QPalette::WindowText, art::kLabelText);
    label->setPalette(look);
    return label;
}

}  // namespace

PhraseEditor::PhraseEditor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("phrases"));
    setWindowTitle(QStringLiteral("Hexaline - Phrase Buttons "));
    setModal(false);
    setFixedSize(368, 265);
    for (int k = 1; k <= kFields; ++k) {
        const int y = 8 + (k - 1) * 23;
        lightLabel(this, QStringLiteral("Phrase Button %1:").arg(k), {12, y, 105, 19}, true);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("phrase%1").arg(k));
        edit->setGeometry(120, y, 236, 19);
        edit->setMaxLength(kMaxLength);
        fields_[static_cast<std::size_t>(k - 1)] = edit;
    }
    QLabel* note = lightLabel(this, QStringLiteral("Buttons can only be used once every 2 seconds"),
                              {12, 214, 344, 16});
    note->setAlignment(Qt::AlignCenter);
    button_done = new QPushButton(QStringLiteral("Done"), this);
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setGeometry(146, 235, 75, 24);
    connect(button_done, &QPushButton::clicked, this, &PhraseEditor::doneClicked);
}

void PhraseEditor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), art::kMaroon);
    painter.drawTiledPixmap(rect(), art::background(devicePixelRatioF()));
}

}  // namespace hexaline::chat
