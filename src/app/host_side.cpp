#include "app/host_side.h"

namespace hexaline::app {

HostSide::HostSide(QObject* parent) : QObject(parent), link_(this) {
    setObjectName(QStringLiteral("serverform"));
}

}  // namespace hexaline::app
