// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as anybody may have written it: loaded, applied, saved and loaded again.
// The window bounds that come out are always sane, and a second round gives what the first
// one saved.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "text/settings/load_ini.h"
#include "text/settings/save_ini.h"
#include "text/settings/window_bounds.h"

using namespace hexaline::settings;

namespace {

bool sane(const WindowBounds& b) {
    return b.width >= kMinWindowWidth && b.width <= kMaxWindowExtent &&
           b.height >= kMinWindowHeight && b.height <= kMaxWindowExtent &&
           b.left >= -kMaxWindowExtent && b.left <= kMaxWindowExtent &&
           b.top >= -kMaxWindowExtent && b.top <= kMaxWindowExtent;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orviklobby.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const LoadResult first = loadinifile(path);
    if (!sane(first.bounds) || !sane(fitBounds(first.bounds, {0, 0, 1920, 1080})))
        __builtin_trap();
    Preferences prefs;
    applyLoadResult(first, prefs);
    if (!saveinifile(path, prefs).ok)
        return 0;
    const LoadResult second = loadinifile(path);
    if (second.bounds != first.bounds || second.textSize != first.textSize)
        __builtin_trap();
    return 0;
}
