// SPDX-License-Identifier: GPL-3.0-or-later
#include "echo.h"

#include <QList>

namespace mss::app {

namespace {

// C0 and C1 controls and DEL move the cursor, ring the bell or start an
// escape sequence; the line and paragraph separators break the message.
bool isControl(uint c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029; }

// The first `limit` characters of `text` (all when negative), controls shown.
QString shownWithin(const QString& text, int limit) {
    QString shown;
    int characters = 0;
    for (const uint c : text.toUcs4()) {
        if (characters++ == limit) return shown + QStringLiteral("…");
        if (isControl(c))
            shown += QStringLiteral("\\x%1").arg(static_cast<uint>(c), 2, 16, QLatin1Char('0'));
        else
            shown += QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
    }
    return shown;
}

}  // namespace

QString echoed(const QString& typed) { return shownWithin(typed, kLongestEcho); }

QString withoutControls(const QString& message) { return shownWithin(message, -1); }

}  // namespace mss::app
