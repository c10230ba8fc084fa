// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/open_link.h"

#include <QPointer>
#include <QProcess>

namespace hexaline::app {

namespace {

QString& launcher() {
    static QString program = QStringLiteral("xdg-open");
    return program;
}

}  // namespace

void setLinkLauncher(const QString& program) {
    launcher() = program;
}

QString linkFailure(const QUrl& url) {
    return QStringLiteral(
               "The desktop could not open %1. Copy the address into your web browser instead.")
        .arg(url.toDisplayString());
}

void openLink(const QUrl& url, QObject* context, std::function<void(const QString&)> failed) {
    auto* process = new QProcess;
    QPointer<QObject> alive(context);
    const auto report = [url, alive, failed] {
        if (alive && failed)
            failed(linkFailure(url));
    };
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, report](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;  // a crash also ends in finished()
                         report();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, report](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0)
                             report();
                         process->deleteLater();
                     });
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(launcher(), {url.toString(QUrl::FullyEncoded)});
}

}  // namespace hexaline::app
