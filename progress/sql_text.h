// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text between the program (UTF-8) and Qt SQL.

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

namespace mss::progress {

// Never a null QString, which Qt SQL would bind as NULL: "" stays "".
inline QString sqlText(std::string_view utf8) {
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return text.isNull() ? QStringLiteral("") : text;
}

// A column read as bytes (CAST(… AS BLOB)), as UTF-8.
inline std::string stdString(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace mss::progress
