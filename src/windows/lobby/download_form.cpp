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

QLabel* textLabel(QWidget* parent, const char* name, const QString& text, QRect at,
                  bool bold = false) {
    auto* label = new QLabel(text, parent);
    if (name != nullptr)
        label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(at);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font = label->font();
    font.setPixelSize(13);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect at) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(at);
    return b;
}

// The lobby's advertising picture, drawn: its name over the table's colours.
QLabel* advert(QWidget* parent, QRect at) {
    auto* picture = new QLabel(QStringLiteral("The Orvik7 Lobby"), parent);
    picture->setObjectName(QStringLiteral("image_advert"));
    picture->setGeometry(at);
    picture->setAlignment(Qt::AlignCenter);
    picture->setAutoFillBackground(true);
    QPalette palette = picture->palette();
    palette.setColor(QPalette::Window, QColor(128, 0, 0));
    palette.setColor(QPalette::WindowText, QColor(251, 253, 206));
    picture->setPalette(palette);
    QFont font = picture->font();
    font.setPixelSize(30);
    font.setBold(true);
    picture->setFont(font);
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

    connect(http_, &HttpGet::headerLine, this,
            [this] { infolabel->setText(infolabel->text() + QLatin1Char('.')); });
    connect(http_, &HttpGet::bodyStarted, this,
            [this] { infolabel3->setText(QStringLiteral("Downloading: ") + infolabel2->text()); });
    connect(http_, &HttpGet::bodyData, this, [this](qint64 total) {
        infolabel->setText(QString::number(total) + QStringLiteral(" bytes"));
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
    getbutton =
        button(left, "getbutton", QStringLiteral("Download And Install The Orvik7 Lobby Now"),
               {65, 290, 320, 34});
    infolabel = textLabel(left, "infolabel", QString(), {20, 336, 410, 20});
    infolabel2 = textLabel(left, "infolabel2", QString(), {20, 356, 410, 20});
    infolabel2->hide();
    infolabel3 = textLabel(left, "infolabel3", QString(), {20, 360, 410, 56});
    abortbutton = button(left, "abortbutton", QStringLiteral("Stop Download"), {165, 430, 120, 30});
    abortbutton->setEnabled(false);

    QWidget* upper = whitePanel(this, {462, 6, 256, 300});
    textLabel(upper, "label_solo",
              QStringLiteral("To proceed to the game without the ability to play against others "
                             "click the button below."),
              {10, 14, 236, 70});
    Button1 = button(upper, "Button1", QStringLiteral("Play Solo Game"), {58, 96, 140, 32});
    textLabel(upper, "label_firewall",
              QStringLiteral("Note: Even if you are playing offline, you will need to configure "
                             "your FIREWALL to allow the game to access the internet components."),
              {10, 150, 236, 120});

    QWidget* lower = whitePanel(this, {462, 312, 256, 181});
    textLabel(lower, "label_others",
              QStringLiteral("To play with others, click the button below: host a game or join "
                             "one. If The Orvik7 Lobby is installed, it opens instead."),
              {10, 10, 236, 110});
    Button2 = button(lower, "Button2", QStringLiteral("Play with Others"), {58, 130, 140, 32});

    connect(getbutton, &QPushButton::clicked, this, &DownloadForm::getbuttonClick);
    connect(abortbutton, &QPushButton::clicked, this, &DownloadForm::abortbuttonClick);
    connect(Button1, &QPushButton::clicked, this, &DownloadForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &DownloadForm::Button2Click);
}

void DownloadForm::setInstallerUrl(const QUrl& url) {
    url_ = url;
    const QString path = url.path();
    infolabel2->setText(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
}

bool DownloadForm::downloading() const {
    return http_->running();
}

QString DownloadForm::filePath() const {
    return QDir(folder_).absoluteFilePath(infolabel2->text());
}

void DownloadForm::getbuttonClick() {
    if (downloading())
        return;
    abortMark_ = 1;
    infolabel3->clear();
    if (infolabel2->text().isEmpty()) {
        abortMark_ = 2;
        infolabel->setText(QStringLiteral("Download Failed"));
        infolabel3->setText(QStringLiteral("The installer's address names no file."));
        return;
    }
    file_.setFileName(filePath());
    if (!file_.open(QIODevice::WriteOnly)) {
        abortMark_ = 2;
        infolabel->setText(QStringLiteral("Download Failed"));
        infolabel3->setText(QStringLiteral("Unable to write to ") +
                            QDir::toNativeSeparators(filePath()));
        return;
    }
    getbutton->setEnabled(false);
    abortbutton->setEnabled(true);
    infolabel->setText(QStringLiteral("Loading"));
    if (!http_->start(url_, &file_)) {
        transferFinished(false, HttpGet::failureText(HttpGet::Failure::BadResponse, 0));
    }
}

void DownloadForm::transferFinished(bool ok, const QString& why) {
    getbutton->setEnabled(true);
    abortbutton->setEnabled(false);
    // Only a whole file takes the installer's name; anything else is dropped with its
    // temporary file, so neither an error page nor a cut file is ever left under that name.
    if (ok && !file_.commit()) {
        ok = false;
        infolabel->setText(QStringLiteral("Download Failed"));
        infolabel3->setText(QStringLiteral("Unable to write to ") +
                            QDir::toNativeSeparators(filePath()));
        abortMark_ = 2;
        return;
    }
    if (!ok) {
        file_.cancelWriting();
        file_.commit();
        if (http_->failure() == HttpGet::Failure::Aborted) {
            infolabel->setText(QStringLiteral("Download Aborted"));
        } else {
            infolabel->setText(QStringLiteral("Download Failed"));
            infolabel3->setText(why);
        }
        abortMark_ = 2;
        return;
    }
    infolabel->setText(QStringLiteral("Received ") + QString::number(http_->bodyBytes()) +
                       QStringLiteral(" bytes"));
    // A stopped transfer never starts anything, whatever the transfer says.
    if (abortMark_ == 2)
        return;
    if (url_.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0) {
        infolabel3->setText(QStringLiteral("Saved as ") + QDir::toNativeSeparators(filePath()) +
                            QStringLiteral(". It came without transport security, so it was "
                                           "not started."));
        return;
    }
    startInstaller();
}

void DownloadForm::startInstaller() {
    infolabel3->setText(QStringLiteral("Installing"));
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

void DownloadForm::abortbuttonClick() {
    if (!downloading())
        return;
    http_->abort();
    infolabel->setText(QStringLiteral("Download has been aborted."));
    abortMark_ = 2;
    infolabel3->setText(QStringLiteral("Download Aborted"));
}

void DownloadForm::Button1Click() {
    close();
}

void DownloadForm::Button2Click() {
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
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
}

void DownloadForm::closeEvent(QCloseEvent* event) {
    // Closing the window during a transfer stops it; nothing is started afterwards.
    abortbuttonClick();
    QWidget::closeEvent(event);
}

}  // namespace hexaline::lobby
