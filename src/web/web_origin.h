// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a WebSocket comes from the page this host serves.

#include <QByteArray>

namespace hexaline::web {

// True when `origin` (the Origin header, "http://name:port") names the same host and port
// as `host` (the Host header the browser sent with the same request), with the scheme of a
// plain (http) or encrypted (https) server. Host names compare without regard to case;
// a missing port is the scheme's own (80 or 443).
bool sameOrigin(const QByteArray& origin, const QByteArray& host, bool secure);

}  // namespace hexaline::web
