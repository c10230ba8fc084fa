// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/about/home_page.h"

#include <QDesktopServices>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace hexaline::about {

namespace {

std::function<void(const QUrl&)>& opener() {
    static std::function<void(const QUrl&)> open;
    return open;
}

class ClickOpens : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            openHomePage();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void openHomePage() {
    const QUrl url(QString::fromLatin1(kHomePage));
    if (opener())
        opener()(url);
    else
        QDesktopServices::openUrl(url);
}

void setUrlOpener(std::function<void(const QUrl&)> open) {
    opener() = std::move(open);
}

void openHomePageOnClick(QWidget* widget) {
    widget->setCursor(Qt::PointingHandCursor);
    widget->installEventFilter(new ClickOpens(widget));
}

}  // namespace hexaline::about
