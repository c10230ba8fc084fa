// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/about/about_form.h"

#include <QDate>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <string_view>

#include "art/artwork.h"
#include "protocol/version.h"
#include "table/side_window.h"
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
    return table::styledLabel(parent, text, at, {.name = name});
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

    logo = new LogoWidget(this);
    logo->setObjectName(QStringLiteral("image_aboutlogo"));
    logo->setGeometry(27, 12, 249, 26);
    openHomePageOnClick(logo);

    homePageLabel = makeLabel(this, "label_url", QString::fromLatin1(kHomePage), {0, 46, 304, 16});
    homePageLabel->setAlignment(Qt::AlignCenter);
    QFont link = homePageLabel->font();
    link.setUnderline(true);
    homePageLabel->setFont(link);
    openHomePageOnClick(homePageLabel);

    makeLabel(this, "label_credit", QStringLiteral("Hexaline by Orvik7 Software"), {0, 72, 304, 16})
        ->setAlignment(Qt::AlignCenter);
    makeLabel(this, "label_copyright", QStringLiteral("Copyright \u00A9"), {70, 90, 80, 16})
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    yearLabel = makeLabel(this, "label_year", QString::number(QDate::currentDate().year()),
                          {154, 90, 80, 16});
    makeLabel(this, "label_version", QStringLiteral("Version"), {90, 112, 50, 16});
    versionLabel = makeLabel(this, "version", versionText(), {144, 112, 40, 16});
    buildLabel = makeLabel(this, "label_build", QStringLiteral(".0"), {184, 112, 20, 16});
    versionLabel->adjustSize();
    buildLabel->move(versionLabel->geometry().right() + 1, 112);

    doneButton = new QPushButton(QStringLiteral("Done"), this);
    doneButton->setObjectName(QStringLiteral("button_done"));
    doneButton->setGeometry(115, 140, 74, 24);
    connect(doneButton, &QPushButton::clicked, this, &QWidget::close);
}

void AboutForm::showOver(const QWidget* mainWindow) {
    table::showOver(*this, mainWindow, table::Reopen::Centred);
}

void AboutForm::paintEvent(QPaintEvent*) {
    art::paintBackground(*this);
}

}  // namespace hexaline::about
