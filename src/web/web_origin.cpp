// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/web_origin.h"

#include <QString>
#include <QUrl>

namespace hexaline::web {

bool sameOrigin(const QByteArray& origin, const QByteArray& host, bool secure) {
    const QUrl from(QString::fromLatin1(origin), QUrl::StrictMode);
    const QUrl to(QStringLiteral("//") + QString::fromLatin1(host), QUrl::StrictMode);
    const int defaultPort = secure ? 443 : 80;
    if (!from.isValid() || !to.isValid() || from.host().isEmpty() || to.host().isEmpty())
        return false;
    if (from.scheme() != QLatin1String(secure ? "https" : "http"))
        return false;
    if (!from.path().isEmpty() || !from.userInfo().isEmpty() || !to.userInfo().isEmpty() ||
        !to.path().isEmpty())
        return false;
    return from.host().compare(to.host(), Qt::CaseInsensitive) == 0 &&
           from.port(defaultPort) == to.port(defaultPort);
}

}  // namespace hexaline::web
