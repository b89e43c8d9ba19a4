// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Telling flags apart on a drawn card: points of a flag's box, as fractions
// of it, and the colour each shows. The points of M, A and the 2nd
// substitute are chosen so that no one of the three passes for another: M
// is blue where A is white, A's notch and the pennant's corners show paper.

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <cstdlib>
#include <vector>

#include "codebook/signal_flags.h"

namespace mss::testing {

struct FlagProbe {
    QPointF at;  // fractions of the flag's box, from its top left
    QRgb colour;
};

inline constexpr QRgb kProbeBlue = 0xff0000ff;
inline constexpr QRgb kProbeWhite = 0xffffffff;  // the flag's white, and the paper's

inline std::vector<FlagProbe> probesOf(int flag) {
    switch (flag) {
        case 12:  // M: a white saltire on blue
            return {{{0.5, 0.5}, kProbeWhite}, {{0.3, 0.5}, kProbeBlue}, {{0.5, 0.12}, kProbeBlue},
                    {{0.1, 0.06}, kProbeWhite}};
        case 0:  // A: white at the hoist, blue at the fly, the notch cut out
            return {{{0.3, 0.5}, kProbeWhite}, {{0.6, 0.5}, kProbeBlue}, {{0.9, 0.1}, kProbeBlue},
                    {{0.92, 0.5}, kProbeWhite}};
        case codebook::substituteFlag(2):  // a pennant, blue at the hoist and white to its point
            return {{{0.15, 0.5}, kProbeBlue}, {{0.15, 0.2}, kProbeBlue}, {{0.5, 0.5}, kProbeWhite},
                    {{0.6, 0.1}, kProbeWhite}};
        default: return {};
    }
}

inline bool nearColour(QRgb a, QRgb b, int tolerance = 40) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

inline QString describeColour(QRgb c) {
    return QStringLiteral("#%1").arg(c & 0xffffff, 6, 16, QLatin1Char('0'));
}

// What is wrong with flag `flag` drawn in `box` (pixels) of `image`; empty when nothing.
inline QStringList flagProblems(const QImage& image, const QRectF& box, int flag) {
    QStringList problems;
    for (const FlagProbe& probe : probesOf(flag)) {
        const QPoint at = (box.topLeft() + QPointF(probe.at.x() * box.width(), probe.at.y() * box.height())).toPoint();
        const QRgb seen = image.pixel(at);
        if (!nearColour(seen, probe.colour))
            problems << QStringLiteral("flag %1 at (%2, %3): %4, not %5")
                            .arg(flag)
                            .arg(probe.at.x())
                            .arg(probe.at.y())
                            .arg(describeColour(seen), describeColour(probe.colour));
    }
    return problems;
}

}  // namespace mss::testing
