// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An HTTP/1.0 GET of one document over a plain or a TLS socket, with the request line and
// headers the lobby's web site expects. It runs on the event loop and never blocks; the body
// goes into a device as it arrives. A transfer succeeds only with a success status, a body
// within the bound, and an end that proves the body whole: every byte its Content-Length
// promised, or, without one over TLS, the server's TLS close (a bare TCP close may be a cut).

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
    // Why a transfer failed.
    enum class Failure {
        None,
        Aborted,       // abort() was called
        NotFound,      // the server has no such document (404, 410)
        Refused,       // the server refused the connection or the request (another status)
        HostNotFound,  // no such server
        Untrusted,     // the server's certificate cannot be trusted
        EndedEarly,    // the transfer ended before the whole document arrived
        TooLarge,      // the document is over the bound
        WriteFailed,   // the file could not be written
        BadResponse,   // the answer is not an HTTP response
        Network,       // any other network error
    };

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
    // The largest document taken; a larger one stops the transfer (TooLarge).
    void setMaxBodyBytes(qint64 bytes) { maxBodyBytes_ = bytes; }
    bool running() const { return socket_ != nullptr; }
    // Why the last transfer failed; None while running or after a success.
    Failure failure() const { return failure_; }
    // The status of the last response; 0 when none arrived.
    int status() const { return status_; }
    // The sentence the user reads for a failure.
    static QString failureText(Failure failure, int status, const QString& detail = {});
    // The text QSslSocket gives the RemoteHostClosedError of a TLS close (close_notify).
    static QString tlsClosedText();
    qint64 bodyBytes() const { return static_cast<qint64>(reader_ ? reader_->bodyBytes() : 0); }

  signals:
    void headerLine(const QByteArray& line);
    void bodyStarted();
    void bodyData(qint64 total);
    // Once per transfer: `ok` when the whole document arrived, else the failure's sentence.
    void finished(bool ok, const QString& error);

  private:
    void socketReadyRead();
    void socketEnded();
    void socketFailed();
    void fail(Failure failure, const QString& detail = {}, bool queued = false);
    void end(bool ok, const QString& error, bool queued);

    QAbstractSocket* socket_ = nullptr;
    QPointer<QIODevice> sink_;
    std::unique_ptr<HttpResponseReader> reader_;
    QByteArray request_;
    QSslConfiguration ssl_ = QSslConfiguration::defaultConfiguration();
    bool sinkFailed_ = false;
    bool secure_ = false;
    bool tlsClosed_ = false;
    qint64 maxBodyBytes_ = static_cast<qint64>(HttpResponseReader::kMaxBodyBytes);
    Failure failure_ = Failure::None;
    int status_ = 0;
};

}  // namespace hexaline::lobby
