// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTcpSocket>

#include "app/seed.h"
#include "art/artwork.h"
#include "table/notice_box.h"
#include "text/settings/window_bounds.h"

namespace hexaline::app {

MainWindow::MainWindow(LaunchOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)), sock_(new transport::ClientLink(this)) {
    setObjectName(QStringLiteral("chatform"));
    setWindowTitle(QStringLiteral("Hexaline by Orvik7 Software"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);

    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("chatform_client"));
    central_->setAutoFillBackground(true);
    // The tiled table cloth lies under the whole window.
    QPalette palette = central_->palette();
    QBrush cloth(art::kMaroon);
    cloth.setTexture(art::background(devicePixelRatioF()));
    palette.setBrush(QPalette::Window, cloth);
    central_->setPalette(palette);
    central_->setMinimumSize(kMinClient);
    setCentralWidget(central_);

    panel_board = new QWidget(central_);
    panel_board->setObjectName(QStringLiteral("panel_board"));
    panel_board->setGeometry(1, 1, kBoardPanel.width(), kBoardPanel.height());

    createMenus();

    // FormCreate: the identity word names the game marker that main() holds; the phrase flood
    // guard and the game table belong to their own parts.
    setProcessSeed(timeOfDaySeed());
    ishost_ = false;

    resize(kDesignClient.width(), kDesignClient.height() + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

void MainWindow::setTablePanel(QWidget* panel) {
    if (!panel || panel == panel_board)
        return;
    if (panel_board)
        panel_board->deleteLater();
    panel->setParent(central_);
    if (panel->objectName().isEmpty())
        panel->setObjectName(QStringLiteral("panel_board"));
    panel->setGeometry(1, 1, kBoardPanel.width(), kBoardPanel.height());
    panel->show();
    panel_board = panel;
}

void MainWindow::addlinetochat(const std::string& line, std::uint32_t colour) {
    if (chatSink_) {
        chatSink_(line, colour);
        return;
    }
    chatLines_.push_back(line);
}

void MainWindow::addSystemLine(const QString& text) {
    addlinetochat("0+" + text.toStdString(), kSystemColour);
}

settings::WindowBounds MainWindow::workArea() const {
    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!display)
        return {};
    const QRect work = display->availableGeometry();
    return {work.left(), work.top(), work.width(), work.height()};
}

settings::WindowBounds MainWindow::bounds() const {
    const QRect outer = frameGeometry();
    return {outer.left(), outer.top(), outer.width(), outer.height()};
}

// Bounds from the settings file can hold anything: the window never leaves the work area.
void MainWindow::applyBounds(settings::WindowBounds b) {
    b = settings::fitBounds(b, workArea());
    const QSize frame = frameGeometry().size() - geometry().size();
    move(b.left, b.top);
    resize(b.width - frame.width(), b.height - frame.height());
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    processparams();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeGuard_ && !closeGuard_()) {
        event->ignore();
        return;
    }
    saveBoundsOnClose();
    event->accept();
    emit closed();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    keepMinimumSize();
}

// When the window moved or changed size since the settings were loaded or saved, it is kept
// within the work area (one step of 15 pixels each way) and its bounds are saved.
void MainWindow::saveBoundsOnClose() {
    settings::WindowBounds now = bounds();
    if (now == savedBounds_)
        return;
    if (const QScreen* display = screen()) {
        const QRect work = display->availableGeometry();
        if (work.width() < now.width)
            now.width -= 15;
        if (work.height() < now.height)
            now.height -= 15;
    }
    now = settings::fitBounds(now, workArea());
    applyBounds(now);
    savedBounds_ = now;
    if (saveinifile_)
        saveinifile_();
}

void MainWindow::keepMinimumSize() {
    const QSize client = central_->size();
    if (client.width() >= kMinClient.width() && client.height() >= kMinClient.height())
        return;
    resize(size() + client.expandedTo(kMinClient) - client);
}

void MainWindow::resetScreenLocation() {
    applyBounds({3, 3, kDefaultWidth, kDefaultHeight});
}

void MainWindow::bringToFront() {
    qInfo("Another copy of Hexaline was started: showing this window");
    if (isMinimized()) {
        showNormal();
        return;
    }
    if (!isVisible())
        show();
    raise();
    activateWindow();
}

void MainWindow::showError(const QString& reported) {
    const QString text = errorWording_ ? errorWording_(reported) : reported;
    table::showNotice(this, text, QMessageBox::Critical);
    emit errorShown(text);
}

}  // namespace hexaline::app
