// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/host_service.h"

#include <QtGlobal>
#include <algorithm>

namespace hexaline::session {

HostService::HostService(engine::Random& random, Options options, QObject* parent)
    : QObject(parent), options_(std::move(options)), link_(this), session_(*this, random) {
    session_.install(dispatcher_);
    link_.setDispatcher(&dispatcher_);
    link_.setAdmission(
        [this](int id, const std::string& message) { return session_.admit(id, message); });
    connect(&link_, &transport::HostLink::accepted, this,
            [this](int id) { session_.onAccepted(id); });
    // The peer's close is followed by "Socket Closed"; the seat is released on that.
    connect(&link_, &transport::HostLink::closed, this,
            [this](int id) { session_.connectionClosed(id); });
    breakTimer_.setTimerType(Qt::PreciseTimer);
    connect(&breakTimer_, &QTimer::timeout, this, [this] { session_.breakTick(); });
    connect(&computerTimer_, &QTimer::timeout, this, [this] { session_.computertimerTimer(); });
    loginTimer_.setSingleShot(true);
    connect(&loginTimer_, &QTimer::timeout, this, [this] { session_.expireLogins(); });
}

HostService::~HostService() {
    closeAll();
}

bool HostService::listen(std::uint16_t port, const QHostAddress& address) {
    link_.setPerAddressLimit(options_.perAddress, options_.exemptAddresses);
    const bool ok = link_.listen(port, address);
    if (ok)
        log("listening on port " + std::to_string(link_.port()));
    return ok;
}

void HostService::closeAll() {
    breakTimer_.stop();
    computerTimer_.stop();
    loginTimer_.stop();
    session_.disconnectall();
}

void HostService::send(ConnectionId connection, const std::string& message) {
    link_.send(connection, message);
}

void HostService::close(ConnectionId connection) {
    link_.close(connection);
}

void HostService::armBreakTimer() {
    breakTimer_.start(options_.secondMs);
}

void HostService::startComputerTimer(int intervalMs) {
    computerTimer_.start(intervalMs);
}

void HostService::armLoginTimer(int delayMs) {
    delayMs = std::max(delayMs, 0);
    if (!loginTimer_.isActive() || loginTimer_.remainingTime() > delayMs)
        loginTimer_.start(delayMs);
}

std::string HostService::peerAddress(ConnectionId connection) {
    return link_.peerAddress(connection).toStdString();
}

void HostService::alert(const std::string& text) {
    if (options_.alert) {
        options_.alert(QString::fromStdString(text));
    } else {
        log("alert: " + text);
    }
}

void HostService::log(const std::string& line) {
    if (options_.log)
        options_.log(QString::fromStdString(line));
}

}  // namespace hexaline::session
