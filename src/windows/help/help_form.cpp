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
#include "table/side_window.h"

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
        topicButtons_.push_back(button);
        const QString caption = QString::fromLatin1(topic.caption);
        if (topic.tag > 0) {
            connect(button, &QPushButton::clicked, this,
                    [this, tag = topic.tag, caption] { showPage(tag, caption); });
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
    table::styledLabel(this, QStringLiteral("Orvik7 Software"),
                       {0, kClientHeight - 44, kSideWidth, 16}, {.alignment = Qt::AlignCenter});
    yearLabel = table::styledLabel(
        this, QStringLiteral("\u00A9 ") + QString::number(QDate::currentDate().year()),
        {0, kClientHeight - 26, kSideWidth, 16},
        {.name = "label_year", .alignment = Qt::AlignCenter});

    // The caption bar keeps the window's dark text on its light grey.
    captionLabel = table::styledLabel(
        this, QStringLiteral("Overview"), {kSideWidth, 4, kClientWidth - kSideWidth - 4, 24},
        {.name = "label_caption", .pixels = 15, .bold = true, .lightText = false});
    captionLabel->setAutoFillBackground(true);
    QPalette captionPalette = captionLabel->palette();
    captionPalette.setColor(QPalette::Window, kCaptionBar);
    captionLabel->setPalette(captionPalette);
    captionLabel->setIndent(8);

    for (int number = 1; number <= kPageCount; ++number) {
        auto* browser = new QTextBrowser(this);
        browser->setObjectName(QStringLiteral("memo") + QString::number(number));
        browser->setGeometry(kSideWidth, 30, kClientWidth - kSideWidth - 4, kClientHeight - 34);
        browser->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        browser->setOpenLinks(false);
        connect(browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
            if (!(openLink_ ? openLink_(url) : QDesktopServices::openUrl(url)))
                QMessageBox::information(
                    this, windowTitle(),
                    QStringLiteral("The desktop could not open %1.").arg(url.toDisplayString()));
        });
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(11);
        browser->setFont(font);
        QPalette palette = browser->palette();
        palette.setColor(QPalette::Base, kPageBackground);
        palette.setColor(QPalette::Text, Qt::black);
        browser->setPalette(palette);
        browser->setHtml(helpPage(number));
        pages_[static_cast<std::size_t>(number - 1)] = browser;
    }
    page(1)->raise();
}

QPushButton* HelpForm::topicButton(const QString& caption) const {
    for (std::size_t i = 0; i < std::size(kTopics); ++i) {
        if (caption == QLatin1String(kTopics[i].caption))
            return topicButtons_.at(i);
    }
    return nullptr;
}

void HelpForm::showPage(int number, const QString& caption) {
    current_ = number;
    page(number)->raise();
    captionLabel->setText(caption);
}

void HelpForm::showOver(const QWidget* mainWindow) {
    table::showOver(*this, mainWindow, table::Reopen::WhereItStays);
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
