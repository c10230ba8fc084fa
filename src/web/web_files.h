// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The browser client's files, built into the program under one resource folder, and the
// headers they are sent with.

#include <QByteArray>
#include <QString>
#include <optional>

namespace hexaline::web {

// The resource folder of the page and everything it loads.
inline constexpr char kResourceRoot[] = ":/web";

struct WebFile {
    QString resource;        // ":/web/..."
    QByteArray contentType;  // with the charset for text
};

// The built-in file a request path names: "/" is the page itself. A path with "..", a
// folder, a name that is not there, or a kind of file the page does not use names nothing.
std::optional<WebFile> findWebFile(const QString& path);

// The Content-Type of a file name, or empty for a kind the page does not use.
QByteArray contentTypeOf(const QString& name);

// The Content-Security-Policy of every answer: only the page's own origin, and its game
// socket. `host` is the request's Host header ("name:port"); one that is not a plain host
// name or address leaves the socket to 'self'.
QByteArray securityPolicy(const QByteArray& host, bool secure);

}  // namespace hexaline::web
