// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cores speak UTF-8 in standard strings; the windows, the progress file
// and the terminal speak Qt. This is where one becomes the other.

#include <QString>

#include <string>
#include <string_view>

namespace mss {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toUtf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace mss
