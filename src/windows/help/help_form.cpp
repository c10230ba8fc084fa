// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/help/help_form.h"

#include <QDate>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>

#include "art/artwork.h"

namespace hexaline::help {

namespace {

constexpr int kClientWidth = 556;
constexpr int kClientHeight = 422;
constexpr int kSideWidth = 137;
const QColor kCaptionBar{0xDA, 0xD8, 0xCD};      // 13490394 in blue-green-red order
const QColor kPageBackground{0xFB, 0xFD, 0xCE};  // 13565435 in blue-green-red order

struct Topic {
    const char* caption;
    int tag;  // the page; 0 for the buttons that do something else
};

constexpr Topic kTopics[] = {
    {"Overview", 1},      {"Connecting", 2}, {"Quick Instructions", 0},
    {"Game Play", 3},     {"Scoring", 4},    {"Options", 7},
    {"Documentation", 5}, {"License", 6},    {"The Lobby", 8},
    {"About", 0},         {"Done", 0},
};

QLabel* makeLabel(QWidget* parent, const QString& text, QRect at) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(at);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPixelSize(11);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, art::kLabelText);
    label->setPalette(palette);
    return label;
}

}  // namespace

HelpForm::HelpForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Hexaline - Help File"));
    setFixedSize(kClientWidth, kClientHeight);

    int y = 8;
    for (const Topic& topic : kTopics) {
        auto* button = new QPushButton(QString::fromLatin1(topic.caption), this);
        button->setObjectName(QStringLiteral("button_") +
                              QString::fromLatin1(topic.caption).remove(QLatin1Char(' ')));
        button->setProperty("tag", topic.tag);
        button->setGeometry(8, y, kSideWidth - 16, 24);
        y += 28;
        const QString caption = button->text();
        if (topic.tag > 0) {
            connect(button, &QPushButton::clicked, this,
                    [this, tag = topic.tag, caption] { topicClick(tag, caption); });
        } else if (caption == QLatin1String("Quick Instructions")) {
            connect(button, &QPushButton::clicked, this, [this] {
                emit quickInstructionsRequested();
                hide();
            });
        } else if (caption == QLatin1String("About")) {
            connect(button, &QPushButton::clicked, this, &HelpForm::aboutRequested);
        } else {
            connect(button, &QPushButton::clicked, this, &QWidget::hide);
        }
    }

    // The maker's credit lines at the foot of the side panel.
    makeLabel(this, QStringLiteral("Orvik7 Software"), {0, kClientHeight - 44, kSideWidth, 16});
    label_year =
        makeLabel(this, QStringLiteral("\u00A9 ") + QString::number(QDate::currentDate().year()),
                  {0, kClientHeight - 26, kSideWidth, 16});
    label_year->setObjectName(QStringLiteral("label_year"));

    label_caption = new QLabel(QStringLiteral("Overview"), this);
    label_caption->setObjectName(QStringLiteral("label_caption"));
    label_caption->setGeometry(kSideWidth, 4, kClientWidth - kSideWidth - 4, 24);
    label_caption->setAutoFillBackground(true);
    QPalette captionPalette = label_caption->palette();
    captionPalette.setColor(QPalette::Window, kCaptionBar);
    label_caption->setPalette(captionPalette);
    QFont captionFont = label_caption->font();
    captionFont.setPixelSize(15);
    captionFont.setBold(true);
    label_caption->setFont(captionFont);
    label_caption->setIndent(8);

    for (int page = 1; page <= kPageCount; ++page) {
        auto* memo = new QTextBrowser(this);
        memo->setObjectName(QStringLiteral("memo") + QString::number(page));
        memo->setGeometry(kSideWidth, 30, kClientWidth - kSideWidth - 4, kClientHeight - 34);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setOpenLinks(false);
        connect(memo, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
            if (!(openLink_ ? openLink_(url) : QDesktopServices::openUrl(url)))
                QMessageBox::information(
                    this, windowTitle(),
                    QStringLiteral("The desktop could not open %1.").arg(url.toDisplayString()));
        });
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(11);
        memo->setFont(font);
        QPalette palette = memo->palette();
        palette.setColor(QPalette::Base, kPageBackground);
        palette.setColor(QPalette::Text, Qt::black);
        memo->setPalette(palette);
        memo->setHtml(helpPage(page));
        memos_[static_cast<std::size_t>(page - 1)] = memo;
    }
    memo(1)->raise();
}

QPushButton* HelpForm::topicButton(const QString& caption) const {
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

void HelpForm::topicClick(int tag, const QString& caption) {
    current_ = tag;
    memo(tag)->raise();
    label_caption->setText(caption);
}

void HelpForm::showOver(const QWidget* mainWindow) {
    if (mainWindow != nullptr && !isVisible())
        move(mainWindow->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
}

void HelpForm::paintEvent(QPaintEvent*) {
    art::paintBackground(*this);
}

void HelpForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace hexaline::help
