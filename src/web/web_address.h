// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The address of the browser client to give to friends.

#include <QString>
#include <cstdint>

namespace hexaline::web {

// "http://NAME-OR-ADDRESS:PORT/" ("https://..." when secure): the machine's first IPv4
// address on the network, or its host name when it has none.
QString shareAddress(std::uint16_t port, bool secure);

}  // namespace hexaline::web
