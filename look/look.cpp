// SPDX-License-Identifier: GPL-3.0-or-later
#include "look.h"

namespace mss::look {

QFont dialogFont(bool bold) {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(8.25);
    f.setBold(bold);
    return f;
}

QFont serifFont(double pointSize, bool bold) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

}  // namespace mss::look
