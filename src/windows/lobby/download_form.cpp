// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/lobby/download_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

#include "table/notice_box.h"
#include "table/side_window.h"
#include "text/settings/profile_file.h"
#include "text/settings/settings_location.h"
#include "windows/lobby/http_get.h"

namespace hexaline::lobby {

namespace {

constexpr int kClientWidth = 724;
constexpr int kClientHeight = 500;

QWidget* whitePanel(QWidget* parent, QRect at) {
    auto* panel = new QWidget(parent);
    panel->setGeometry(at);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(palette);
    return panel;
}

// Black text on the white panels, centred at the top of its place and wrapped.
QLabel* textLabel(QWidget* parent, const char* name, const QString& text, QRect at,
                  bool bold = false) {
    return table::styledLabel(parent, text, at,
                              {.name = name,
                               .pixels = 13,
                               .bold = bold,
                               .lightText = false,
                               .alignment = Qt::AlignHCenter | Qt::AlignTop,
                               .wordWrap = true});
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect at) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(at);
    return b;
}

// The lobby's advertising picture, drawn: its name over the table's colours.
QLabel* advert(QWidget* parent, QRect at) {
    QLabel* picture = table::styledLabel(
        parent, QStringLiteral("The Orvik7 Lobby"), at,
        {.name = "image_advert", .pixels = 30, .bold = true, .alignment = Qt::AlignCenter});
    picture->setAutoFillBackground(true);
    QPalette palette = picture->palette();
    palette.setColor(QPalette::Window, QColor(128, 0, 0));
    picture->setPalette(palette);
    return picture;
}

bool startDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments, QFileInfo(program).absolutePath());
}

}  // namespace

QString chooseDownloadFolder(const QString& exeDir, const QString& userDataDir) {
    const QFileInfo exe(exeDir);
    // An installed program's folder is shared by every user: an administrator's session must
    // not leave a download among the system's programs.
    if (!exeDir.isEmpty() && exe.isDir() && exe.isWritable() &&
        !settings::isSystemProgramFolder(exeDir))
        return exe.absoluteFilePath();
    QDir().mkpath(userDataDir);
    return userDataDir;
}

QString downloadFolder() {
    return chooseDownloadFolder(QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QUrl installerUrlFrom(const QString& settingsPath) {
    const QUrl fallback(QString::fromLatin1(kInstallerUrl));
    const std::optional<QString> value =
        settings::ProfileFile::load(settingsPath).value(kInstallerUrlSection, kInstallerUrlKey);
    if (!value || value->isEmpty())
        return fallback;
    const QUrl url(*value, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("https") && scheme != QLatin1String("http")))
        return fallback;
    return url;
}

QStringList lobbyLocations() {
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                QStringLiteral("/Orvik7/Orvik7Lobby"),
            QStringLiteral("/opt/Orvik7/Orvik7Lobby")};
}

DownloadForm::DownloadForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      http_(new HttpGet(this)),
      url_(installerUrlFrom(settings::settingsFilePath())),
      folder_(downloadFolder()),
      lobbies_(lobbyLocations()),
      starter_(startDetached) {
    setObjectName(QStringLiteral("download"));
    setWindowTitle(QStringLiteral("Download The Orvik7 Lobby"));
    setFixedSize(kClientWidth, kClientHeight);
    message_ = [this](const QString& text) { table::showNotice(this, text); };
    buildPanels();
    setInstallerUrl(url_);

    connect(http_, &HttpGet::headerLine, this, [this] {
        ++headerLines_;
        progressLabel->setText(QStringLiteral("Loading") + QString(headerLines_, QLatin1Char('.')));
    });
    connect(http_, &HttpGet::bodyStarted, this,
            [this] { detailLabel->setText(QStringLiteral("Downloading: ") + fileName_); });
    connect(http_, &HttpGet::bodyData, this, [this](qint64 total) {
        progressLabel->setText(QString::number(total) + QStringLiteral(" bytes"));
    });
    connect(http_, &HttpGet::finished, this,
            [this](bool ok, const QString& why) { transferFinished(ok, why); });
}

DownloadForm::~DownloadForm() = default;

void DownloadForm::buildPanels() {
    QWidget* left = whitePanel(this, {6, 6, 450, 487});
    advert(left, {10, 10, 430, 200});
    textLabel(left, "label_advert",
              QStringLiteral("Download The Orvik7 Lobby Now to play this and other exciting games "
                             "online with other players! "),
              {20, 220, 410, 60}, true);
    downloadButton =
        button(left, "getbutton", QStringLiteral("Download And Install The Orvik7 Lobby Now"),
               {65, 290, 320, 34});
    progressLabel = textLabel(left, "infolabel", QString(), {20, 336, 410, 20});
    fileNameLabel = textLabel(left, "infolabel2", QString(), {20, 356, 410, 20});
    fileNameLabel->hide();
    detailLabel = textLabel(left, "infolabel3", QString(), {20, 360, 410, 56});
    stopButton = button(left, "abortbutton", QStringLiteral("Stop Download"), {165, 430, 120, 30});
    stopButton->setEnabled(false);

    QWidget* upper = whitePanel(this, {462, 6, 256, 300});
    textLabel(upper, "label_solo",
              QStringLiteral("To proceed to the game without the ability to play against others "
                             "click the button below."),
              {10, 14, 236, 70});
    soloButton = button(upper, "Button1", QStringLiteral("Play Solo Game"), {58, 96, 140, 32});
    textLabel(upper, "label_firewall",
              QStringLiteral("Note: Even if you are playing offline, you will need to configure "
                             "your FIREWALL to allow the game to access the internet components."),
              {10, 150, 236, 120});

    QWidget* lower = whitePanel(this, {462, 312, 256, 181});
    textLabel(lower, "label_others",
              QStringLiteral("To play with others, click the button below: host a game or join "
                             "one. If The Orvik7 Lobby is installed, it opens instead."),
              {10, 10, 236, 110});
    othersButton = button(lower, "Button2", QStringLiteral("Play with Others"), {58, 130, 140, 32});

    connect(downloadButton, &QPushButton::clicked, this, &DownloadForm::startDownload);
    connect(stopButton, &QPushButton::clicked, this, &DownloadForm::abortDownload);
    connect(soloButton, &QPushButton::clicked, this, &DownloadForm::playSolo);
    connect(othersButton, &QPushButton::clicked, this, &DownloadForm::playWithOthers);
}

void DownloadForm::setInstallerUrl(const QUrl& url) {
    url_ = url;
    const QString path = url.path();
    fileName_ = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    fileNameLabel->setText(fileName_);
}

bool DownloadForm::downloading() const {
    return http_->running();
}

QString DownloadForm::filePath() const {
    return QDir(folder_).absoluteFilePath(fileName_);
}

void DownloadForm::fail(const QString& why) {
    state_ = DownloadState::Failed;
    progressLabel->setText(QStringLiteral("Download Failed"));
    detailLabel->setText(why);
}

void DownloadForm::startDownload() {
    if (downloading())
        return;
    state_ = DownloadState::Loading;
    detailLabel->clear();
    if (fileName_.isEmpty()) {
        fail(QStringLiteral("The installer's address names no file."));
        return;
    }
    file_.setFileName(filePath());
    if (!file_.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(filePath()));
        return;
    }
    downloadButton->setEnabled(false);
    stopButton->setEnabled(true);
    headerLines_ = 0;
    progressLabel->setText(QStringLiteral("Loading"));
    if (!http_->start(url_, &file_)) {
        transferFinished(false, HttpGet::failureText(HttpGet::Failure::BadResponse, 0));
    }
}

void DownloadForm::transferFinished(bool ok, const QString& why) {
    downloadButton->setEnabled(true);
    stopButton->setEnabled(false);
    // Only a whole file takes the installer's name; anything else is dropped with its
    // temporary file, so neither an error page nor a cut file is ever left under that name.
    if (ok && !file_.commit()) {
        fail(QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(filePath()));
        return;
    }
    if (!ok) {
        file_.cancelWriting();
        file_.commit();
        if (http_->failure() == HttpGet::Failure::Aborted) {
            state_ = DownloadState::Aborted;
            progressLabel->setText(QStringLiteral("Download Aborted"));
        } else {
            fail(why);
        }
        return;
    }
    progressLabel->setText(QStringLiteral("Received ") + QString::number(http_->bodyBytes()) +
                           QStringLiteral(" bytes"));
    // A stopped transfer never starts anything, whatever the transfer says.
    if (state_ == DownloadState::Aborted)
        return;
    if (url_.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0) {
        state_ = DownloadState::Saved;
        detailLabel->setText(QStringLiteral("Saved as ") + QDir::toNativeSeparators(filePath()) +
                             QStringLiteral(". It came without transport security, so it was "
                                            "not started."));
        return;
    }
    startInstaller();
}

void DownloadForm::startInstaller() {
    state_ = DownloadState::Installing;
    detailLabel->setText(QStringLiteral("Installing"));
    QFile::setPermissions(filePath(), QFile::permissions(filePath()) | QFileDevice::ExeOwner |
                                          QFileDevice::ReadOwner);
    // The installer's options for a silent install without its opening prompt and without
    // desktop icons.
    const QStringList arguments{QStringLiteral("--silent"), QStringLiteral("--no-prompt"),
                                QStringLiteral("--no-icons")};
    if (!starter_(filePath(), arguments)) {
        message_(QStringLiteral("An Error has Occurred."));
        return;
    }
    emit exitRequested();
}

void DownloadForm::abortDownload() {
    if (!downloading())
        return;
    state_ = DownloadState::Aborted;
    http_->abort();
    progressLabel->setText(QStringLiteral("Download has been aborted."));
    detailLabel->setText(QStringLiteral("Download Aborted"));
}

void DownloadForm::playSolo() {
    close();
}

void DownloadForm::playWithOthers() {
    for (const QString& lobby : lobbies_) {
        const QFileInfo program(lobby);
        if (program.isFile() && program.isExecutable()) {
            if (starter_(program.absoluteFilePath(), {})) {
                emit exitRequested();
            } else {
                message_(QStringLiteral("An Error has Occurred."));
            }
            return;
        }
    }
    // Without a lobby program the game itself hosts and joins.
    close();
    emit playWithOthersRequested();
}

void DownloadForm::showOnTop() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        table::centreIn(*this, screen->availableGeometry());
    show();
    raise();
    activateWindow();
}

void DownloadForm::closeEvent(QCloseEvent* event) {
    // Closing the window during a transfer stops it; nothing is started afterwards.
    abortDownload();
    QWidget::closeEvent(event);
}

}  // namespace hexaline::lobby
