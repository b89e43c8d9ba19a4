// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shared libraries mapped into this process now, from /proc/self/maps:
// to check that something is not loaded before it is first used.

#include <QFile>
#include <QStringList>

namespace mss::testing {

inline QStringList mappedLibraries() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return {};
    QStringList libraries;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QString path = QString::fromUtf8(line.mid(line.indexOf('/')));
        if (line.contains('/') && path.contains(QStringLiteral(".so")) && !libraries.contains(path)) libraries << path;
    }
    return libraries;
}

// Those of the libraries mapped whose file names hold one of `names`.
inline QStringList mappedOf(const QStringList& names) {
    QStringList found;
    for (const QString& library : mappedLibraries())
        for (const QString& name : names)
            if (library.contains(name)) found << library;
    return found;
}

// What the printing module links, and the module itself.
inline const QStringList kPrintingLibraries{QStringLiteral("libQt6PrintSupport"), QStringLiteral("libQt6Svg"),
                                            QStringLiteral("libmss65-print")};

}  // namespace mss::testing
