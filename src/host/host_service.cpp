// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/host_service.h"

#include <QtGlobal>

namespace hexaline::session {

HostService::HostService(engine::Random& random, Options options, QObject* parent)
    : QObject(parent), options_(std::move(options)), link_(this), session_(*this, random) {
    session_.install(dispatcher_);
    link_.setDispatcher(&dispatcher_);
    connect(&link_, &transport::HostLink::accepted, this,
            [this](int id) { session_.Sock1Accept(id); });
    // The peer's close is followed by "Socket Closed"; the seat is released on that.
    connect(&link_, &transport::HostLink::closed, this,
            [this](int id, int) { session_.connectionClosed(id); });
    breakTimer_.setTimerType(Qt::PreciseTimer);
    connect(&breakTimer_, &QTimer::timeout, this, [this] { session_.timer_breaksTimer(); });
    connect(&computerTimer_, &QTimer::timeout, this, [this] { session_.computertimerTimer(); });
}

HostService::~HostService() {
    closeAll();
}

bool HostService::listen(std::uint16_t port) {
    const bool ok = link_.listen(port);
    if (ok)
        log("listening on port " + std::to_string(link_.port()));
    return ok;
}

void HostService::closeAll() {
    breakTimer_.stop();
    computerTimer_.stop();
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
