// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The status and error texts a socket reports, and the kind number of each status text.

namespace hexaline::transport {

enum class InfoKind : int {
    Connected = 1,
    Closed = 2,
    Listening = 3,
};

inline constexpr char kSocketClosed[] = "Socket Closed";
inline constexpr char kSocketConnected[] = "Non-Blocking Socket Connected";
inline constexpr char kListeningStarted[] = "Listening Started";
inline constexpr char kErrorBinding[] = "Listen - Error Binding Socket";
inline constexpr char kErrorStartingListen[] = "Listen - Error Starting Listen";
inline constexpr char kHostNotFound[] = "Host Lookup - Could Not Find Host Entry";
inline constexpr char kSendNotConnected[] = "Send - Socket Not Connected";

}  // namespace hexaline::transport
