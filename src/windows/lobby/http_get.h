// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An HTTP/1.0 GET of one document over a plain or a TLS socket, with the request line and
// headers the lobby's web site expects. It runs on the event loop and never blocks; the body
// goes into a device as it arrives.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QSslConfiguration>
#include <QString>
#include <QUrl>
#include <memory>

#include "windows/lobby/http_response.h"

class QAbstractSocket;
class QIODevice;

namespace hexaline::lobby {

class HttpGet : public QObject {
    Q_OBJECT
  public:
    explicit HttpGet(QObject* parent = nullptr);
    ~HttpGet() override;

    // "GET", the path, "HTTP/1.0", then Accept, User-Agent and Host, each line ending CR LF.
    static QByteArray requestBytes(const QUrl& url);

    // Starts the GET of an http or https address, writing the body into `sink`. False (and no
    // signal) when the address cannot be fetched or a transfer is running already.
    bool start(const QUrl& url, QIODevice* sink);
    // Makes a running transfer end with an error; `finished` follows from the event loop.
    void abort();
    // The TLS settings of https transfers (the system's trusted authorities unless set).
    void setSslConfiguration(const QSslConfiguration& config) { ssl_ = config; }
    bool running() const { return socket_ != nullptr; }
    qint64 bodyBytes() const { return static_cast<qint64>(reader_ ? reader_->bodyBytes() : 0); }

  signals:
    void headerLine(const QByteArray& line);
    void bodyStarted();
    void bodyData(qint64 total);
    // Once per transfer: `ok` when the whole document arrived, else an error text.
    void finished(bool ok, const QString& error);

  private:
    void socketReadyRead();
    void socketEnded();
    void socketFailed();
    void end(bool ok, const QString& error, bool queued);

    QAbstractSocket* socket_ = nullptr;
    QPointer<QIODevice> sink_;
    std::unique_ptr<HttpResponseReader> reader_;
    QByteArray request_;
    QSslConfiguration ssl_ = QSslConfiguration::defaultConfiguration();
    bool sinkFailed_ = false;
};

}  // namespace hexaline::lobby
