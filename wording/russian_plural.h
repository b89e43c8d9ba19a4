// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A count with its noun in the form Russian wants after it: 1 сигнал,
// 2 сигнала, 5 сигналов, 21 сигнал, 11 сигналов.

#include <QString>

namespace mss::wording {

// The form of the noun after `n`: `one` after 1, 21, 31 …; `few` after 2–4,
// 22–24 …; `many` after 0, 5–20, 25–30 … and every number ending in 11–14.
inline const QString& pluralForm(long long n, const QString& one, const QString& few, const QString& many) {
    const long long last2 = (n < 0 ? -n : n) % 100, last = last2 % 10;
    if (last2 >= 11 && last2 <= 14) return many;
    if (last == 1) return one;
    if (last >= 2 && last <= 4) return few;
    return many;
}

// "5 сигналов".
inline QString countOf(long long n, const QString& one, const QString& few, const QString& many) {
    return QString::number(n) + QLatin1Char(' ') + pluralForm(n, one, few, many);
}

}  // namespace mss::wording
