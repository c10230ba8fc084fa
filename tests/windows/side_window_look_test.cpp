// SPDX-License-Identifier: GPL-3.0-or-later
// The side windows' labels, drawn by one helper, keep each window's own look: font size and
// weight, text colour, place and text format (names from peers and files stay plain text).
#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>

#include "art/artwork.h"
#include "windows/about/about_form.h"
#include "windows/help/help_form.h"
#include "windows/lobby/download_form.h"
#include "windows/spy/spy_list_form.h"
#include "windows/tally/tally_list_form.h"

namespace hexaline {
namespace {

struct Look {
    int pixels;
    bool bold;
    bool light;  // the table's light text, else the parent's colour
    QRect at;
};

void expectLook(const QWidget& window, const char* name, const Look& look) {
    const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    ASSERT_NE(label, nullptr) << name;
    EXPECT_EQ(label->font().pixelSize(), look.pixels) << name;
    EXPECT_EQ(label->font().bold(), look.bold) << name;
    const QColor text = label->palette().color(QPalette::WindowText);
    EXPECT_EQ(text == art::kLabelText, look.light) << name;
    EXPECT_EQ(label->geometry(), look.at) << name;
}

TEST(SideWindowLook, LabelsKeepTheirWindowsLook) {
    QTemporaryDir dir;
    tally::TallyListForm tally(dir.filePath(QStringLiteral("agametally.tld")));
    expectLook(tally, "mylabel_1", {11, true, true, {104, 18, 60, 16}});
    expectLook(tally, "label_3", {11, true, true, {120, 82, 44, 16}});
    expectLook(tally, "label_hisname", {11, false, true, {10, 64, 108, 16}});
    for (const QLabel* label : tally.findChildren<QLabel*>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();

    about::AboutForm about;
    expectLook(about, "label_credit", {11, false, true, {0, 72, 304, 16}});
    expectLook(about, "label_year", {11, false, true, {154, 90, 80, 16}});
    EXPECT_EQ(about.findChild<QLabel*>("label_credit")->alignment(), Qt::AlignCenter);

    help::HelpForm help;
    expectLook(help, "label_year", {11, false, true, {0, 396, 137, 16}});
    expectLook(help, "label_caption", {15, true, false, {137, 4, 415, 24}});

    spy::SpyListForm spy;
    expectLook(spy, "label_title", {19, true, true, {4, 2, 154, 22}});

    lobby::DownloadForm download;
    expectLook(download, "infolabel3", {13, false, false, {20, 360, 410, 56}});
    expectLook(download, "label_advert", {13, true, false, {20, 220, 410, 60}});
    expectLook(download, "image_advert", {30, true, true, {10, 10, 430, 200}});
    const auto* detail = download.findChild<QLabel*>("infolabel3");
    EXPECT_TRUE(detail->wordWrap());
    EXPECT_EQ(detail->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_EQ(detail->palette().color(QPalette::WindowText), QColor(Qt::black));
}

}  // namespace
}  // namespace hexaline
