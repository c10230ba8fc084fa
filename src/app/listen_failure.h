// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host that cannot listen, said in a sentence.

#include <QString>
#include <cstdint>

namespace hexaline::app {

// `reported` is the listener's status text ("Listen - Error Binding Socket", ...).
QString listenFailure(const QString& reported, std::uint16_t port);

}  // namespace hexaline::app
