// SPDX-License-Identifier: GPL-3.0-or-later
// The hoist a question shows, in the small pictures the exam's table of
// results and the progress page draw of it.

#include <QtTest>

#include <cmath>
#include <vector>

#include "codebook/signal_flags.h"
#include "forms/question/question_hoist.h"

class QuestionHoistTest : public QObject {
    Q_OBJECT

private slots:
    void theResultsHoistsAreFlagsEdgedAsOnPaper() {
        // X (a blue cross on white), S (a blue square on white), a numeral
        // pennant and the answering pennant: on white each is a flag only by
        // its edge, which runs down the whole of its hoist side.
        const std::vector<int> flags{*mss::codebook::flagIndexOfSymbol('X'), *mss::codebook::flagIndexOfSymbol('S'),
                                     *mss::codebook::flagIndexOfSymbol('1'), mss::codebook::kAnsweringPennant};
        const QSize flag(36, 24);
        const QPixmap picture = mss::forms::smallHoistPicture(flags, flag);
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(4 * (flag.width() + 2), flag.height()));
        const QImage image = picture.toImage();
        const qreal ratio = picture.devicePixelRatio();
        auto dark = [](QColor c) { return c.alpha() > 200 && c.lightness() < 100; };
        for (std::size_t i = 0; i < flags.size(); ++i) {
            const int left = static_cast<int>(std::lround((static_cast<double>(i) * (flag.width() + 2) + 0.5) * ratio));
            for (int y : {flag.height() / 4, flag.height() / 2, 3 * flag.height() / 4}) {
                const QColor edge = image.pixelColor(left, static_cast<int>(y * ratio));
                QVERIFY2(dark(edge), qPrintable(QStringLiteral("flag %1 at height %2: %3")
                                                    .arg(flags[i])
                                                    .arg(y)
                                                    .arg(edge.name(QColor::HexArgb))));
            }
        }
    }
};

QTEST_MAIN(QuestionHoistTest)
#include "question_hoist_test.moc"
