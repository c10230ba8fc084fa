// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/notice_box.h"

#include <QEventLoop>
#include <QPointer>
#include <QTextDocument>
#include <QWidget>

namespace hexaline::table {

namespace {

const QString kNoticeName = QStringLiteral("noticeBox");

}  // namespace

QMessageBox* openNotice(QWidget* window) {
    if (window == nullptr)
        return nullptr;
    // A closed box lingers until its deletion runs; it has given up its name by then.
    return window->findChild<QMessageBox*>(kNoticeName, Qt::FindDirectChildrenOnly);
}

QMessageBox* showNotice(QWidget* window, const QString& text, QMessageBox::Icon icon,
                        const QString& details) {
    QMessageBox* box = openNotice(window);
    if (box == nullptr) {
        box = new QMessageBox(window);
        box->setObjectName(kNoticeName);
        box->setWindowTitle(QStringLiteral("Hexaline"));
        box->setTextFormat(Qt::PlainText);
        box->setStandardButtons(QMessageBox::Ok);
        box->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(box, &QDialog::finished, box, [box] { box->setObjectName(QString()); });
    }
    box->setIcon(icon);
    box->setText(text);
    box->setInformativeText(shownAsWritten(details));  // a label that guesses rich text
    if (!box->isVisible())
        box->open();
    return box;
}

void showNoticeAndWait(QWidget* window, const QString& text, QMessageBox::Icon icon) {
    QPointer<QMessageBox> box = showNotice(window, text, icon);
    QEventLoop loop;
    QObject::connect(box, &QDialog::finished, &loop, &QEventLoop::quit);
    QObject::connect(box, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (box && box->isVisible())
        loop.exec();
}

QString shownAsWritten(const QString& text) {
    // What would not be taken for rich text is shown as it is already.
    if (!Qt::mightBeRichText(text))
        return text;
    return Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap);
}

}  // namespace hexaline::table
