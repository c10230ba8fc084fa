// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/about/about_form.h"

#include <QDate>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <string_view>

#include "art/artwork.h"
#include "protocol/version.h"
#include "windows/about/home_page.h"

namespace hexaline::about {

namespace {

constexpr int kClientWidth = 304;
constexpr int kClientHeight = 174;

class LogoWidget : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(0, 0, art::logo(devicePixelRatioF()));
    }
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(at);
    QFont font = label->font();
    font.setPixelSize(11);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, art::kLabelText);
    label->setPalette(palette);
    return label;
}

}  // namespace

QString versionText() {
    return QString::fromLatin1(protocol::kVersion);
}

AboutForm::AboutForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("about"));
    setWindowTitle(QStringLiteral("Hexaline - About"));
    setFixedSize(kClientWidth, kClientHeight);

    image_aboutlogo = new LogoWidget(this);
    image_aboutlogo->setObjectName(QStringLiteral("image_aboutlogo"));
    image_aboutlogo->setGeometry(27, 12, 249, 26);
    openHomePageOnClick(image_aboutlogo);

    label_url = makeLabel(this, "label_url", QString::fromLatin1(kHomePage), {0, 46, 304, 16});
    label_url->setAlignment(Qt::AlignCenter);
    QFont link = label_url->font();
    link.setUnderline(true);
    label_url->setFont(link);
    openHomePageOnClick(label_url);

    makeLabel(this, "label_credit", QStringLiteral("Hexaline by Orvik7 Software"), {0, 72, 304, 16})
        ->setAlignment(Qt::AlignCenter);
    makeLabel(this, "label_copyright", QStringLiteral("Copyright \u00A9"), {70, 90, 80, 16})
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label_year = makeLabel(this, "label_year", QString::number(QDate::currentDate().year()),
                           {154, 90, 80, 16});
    makeLabel(this, "label_version", QStringLiteral("Version"), {90, 112, 50, 16});
    version = makeLabel(this, "version", versionText(), {144, 112, 40, 16});
    label_build = makeLabel(this, "label_build", QStringLiteral(".0"), {184, 112, 20, 16});
    version->adjustSize();
    label_build->move(version->geometry().right() + 1, 112);

    button_done = new QPushButton(QStringLiteral("Done"), this);
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setGeometry(115, 140, 74, 24);
    connect(button_done, &QPushButton::clicked, this, &QWidget::close);
}

void AboutForm::showOver(const QWidget* mainWindow) {
    if (mainWindow != nullptr)
        move(mainWindow->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
}

void AboutForm::paintEvent(QPaintEvent*) {
    art::paintBackground(*this);
}

}  // namespace hexaline::about
