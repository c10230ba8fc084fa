// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/web_files.h"

#include <QFileInfo>
#include <algorithm>

namespace hexaline::web {

QByteArray contentTypeOf(const QString& name) {
    static const struct {
        const char* suffix;
        const char* type;
    } kTypes[] = {
        {".html", "text/html; charset=utf-8"},
        {".js", "text/javascript; charset=utf-8"},
        {".mjs", "text/javascript; charset=utf-8"},
        {".css", "text/css; charset=utf-8"},
        {".json", "application/json"},
        {".png", "image/png"},
        {".svg", "image/svg+xml"},
        {".ico", "image/x-icon"},
        {".wav", "audio/wav"},
        {".txt", "text/plain; charset=utf-8"},
        {".webmanifest", "application/manifest+json"},
    };
    for (const auto& entry : kTypes) {
        if (name.endsWith(QLatin1String(entry.suffix), Qt::CaseInsensitive))
            return QByteArray(entry.type);
    }
    return QByteArray();
}

std::optional<WebFile> findWebFile(const QString& path) {
    if (!path.startsWith(u'/') || path.contains(u'\\') || path.contains(QLatin1String("//")))
        return std::nullopt;
    const QString name = path == QLatin1String("/") ? QStringLiteral("/index.html") : path;
    for (const QStringView part : QStringView(name).split(u'/')) {
        if (part == u"." || part == u"..")
            return std::nullopt;
    }
    const QByteArray type = contentTypeOf(name);
    if (type.isEmpty())
        return std::nullopt;
    const QString resource = QLatin1String(kResourceRoot) + name;
    if (!QFileInfo(resource).isFile())
        return std::nullopt;
    return WebFile{resource, type};
}

QByteArray securityPolicy(const QByteArray& host, bool secure) {
    QByteArray connect = "'self'";
    const bool plain =
        !host.isEmpty() && host.size() <= 255 && std::all_of(host.begin(), host.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '.' || c == '-' || c == ':' || c == '[' || c == ']';
        });
    if (plain)
        connect += (secure ? " wss://" : " ws://") + host;
    return "default-src 'self'; connect-src " + connect +
           "; img-src 'self' data:; object-src 'none'; base-uri 'none'; form-action 'none'; "
           "frame-ancestors 'none'";
}

}  // namespace hexaline::web
