// SPDX-License-Identifier: GPL-3.0-or-later
// Cards as the printing module draws them, on PNG and SVG: the flags where
// the card puts them and as the committed pictures show them, every
// meaning on its card, the «?» mark where a meaning is reconstructed.

#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

#include "codebook/meanings.h"
#include "codebook/signal_flags.h"
#include "data/pictures/picture_resources.h"
#include "look/look.h"
#include "print/reference_sheet.h"
#include "print/module/sheet_painter.h"
#include "print/module/outputs.h"
#include "print/module/paper_look.h"
#include "print/flag_probes.h"
#include "support/shipped_book.h"

using mss::print::ReferenceSheet;
using mss::testing::shippedBook;

namespace {

ReferenceSheet sheetOf(const char* typed) { return *mss::print::sheetOf(shippedBook(), QString::fromUtf8(typed)); }

double pixelsPerMm(int scale) { return mss::print::kScreenDpi * scale / 25.4; }

QRectF inPixels(const QRectF& mm, int scale) {
    const double k = pixelsPerMm(scale);
    return {mm.topLeft() * k, mm.size() * k};
}

// What is wrong with the three flags of MAA in a picture of its card at `scale`.
QStringList maaProblems(const QImage& image, int scale) {
    const ReferenceSheet card = sheetOf("MAA");
    const mss::print::SheetGeometry geometry = mss::print::sheetGeometry(card);
    QStringList problems;
    for (std::size_t i = 0; i < card.hoist.size(); ++i)
        problems << mss::testing::flagProblems(image, inPixels(geometry.flags[i], scale), card.hoist[i].flag);
    return problems;
}

bool showsColour(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (mss::testing::nearColour(image.pixel(x, y), colour.rgb(), 8)) return true;
    return false;
}

// Whether the 7 × 7 pixels around (x, y) are all one colour (transparent counting as one).
bool uniformAround(const QImage& picture, int x, int y) {
    const QRgb c = picture.pixel(x, y);
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            const QRgb d = picture.pixel(x + dx, y + dy);
            if (qAlpha(c) < 128 ? qAlpha(d) >= 128 : d != c) return false;
        }
    return true;
}

}  // namespace

class SheetDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void pictureOfMaaShowsItsFlagsAtEveryScale() {
        for (int scale : {1, 2, 4}) {
            const QImage image = mss::print::renderSheet(sheetOf("MAA"), scale);
            QCOMPARE(image.size(), QSize(340, 491) * scale);
            const QStringList problems = maaProblems(image, scale);
            QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("scale %1: ").arg(scale) + problems.join("; ")));
        }
        QVERIFY(mss::print::renderSheet(sheetOf("MAA"), 3).isNull());
    }

    // The card's flags are the committed pictures' designs: wherever a
    // picture is one colour well inside a shape, the card shows that colour
    // (or paper where the picture is transparent).
    void everyFlagLooksAsItsCommittedPicture() {
        constexpr int kScale = 2;
        for (int flag = 0; flag < mss::codebook::kSignalFlagCount; ++flag) {
            const ReferenceSheet card = mss::print::flagSheet(shippedBook(), flag);
            const QImage image = mss::print::renderSheet(card, kScale);
            const QRectF box = inPixels(mss::print::sheetGeometry(card).flags.front(), kScale);
            const QImage picture =
                QImage(mss::pictures::doubleDensityPath(mss::pictures::signalFlagPicturePath(flag)))
                    .convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!picture.isNull(), qPrintable(QString::number(flag)));
            int compared = 0;
            QStringList wrong;
            for (int y = 3; y + 3 < picture.height(); y += 2)
                for (int x = 3; x + 3 < picture.width(); x += 2) {
                    if (!uniformAround(picture, x, y)) continue;
                    const QRgb want = qAlpha(picture.pixel(x, y)) < 128 ? mss::print::kPaper.rgb() : picture.pixel(x, y);
                    const QPointF at = box.topLeft() + QPointF((x + 0.5) / picture.width() * box.width(),
                                                               (y + 0.5) / picture.height() * box.height());
                    const QRgb seen = image.pixel(at.toPoint());
                    ++compared;
                    if (!mss::testing::nearColour(seen, want, 60) && wrong.size() < 5)
                        wrong << QStringLiteral("(%1, %2) of the picture is %3, the card shows %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(mss::testing::describeColour(want), mss::testing::describeColour(seen));
                }
            QVERIFY2(compared > picture.width() * picture.height() / 16, qPrintable(QString::number(flag)));
            QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("flag %1: ").arg(flag) + wrong.join("; ")));
        }
    }

    void svgIsValidAndShowsTheSameCard() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("maa.svg"));
        QCOMPARE(mss::print::writeSheetSvg(sheetOf("MAA"), file), QString());

        QFile svg(file);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        QString root, text;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && root.isEmpty()) root = xml.name().toString();
            if (xml.isCharacters()) text += xml.text();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(root, QStringLiteral("svg"));
        for (const char* shown : {"MAA", "Медицинский раздел", "Майк", "повторяет", "срочная медицинская"})
            QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);

        QSvgRenderer renderer(file);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(0, 0, 340, 491));
        QImage image(QSize(340, 491) * 2, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QStringList problems = maaProblems(image, 2);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    }

    // The «?» mark shows exactly where the meaning was written without the printed book.
    void reconstructedMeaningsAreMarked() {
        const ReferenceSheet ai = sheetOf("AI"), nc = sheetOf("NC");
        QVERIFY(ai.reconstructed);
        QVERIFY(!nc.reconstructed);
        QVERIFY(showsColour(mss::print::renderSheet(ai, 1), mss::look::kGlint));
        QVERIFY(!showsColour(mss::print::renderSheet(nc, 1), mss::look::kGlint));
    }

    // The longest meanings, and the reconstructed ones with their note,
    // stay clear of the card's bottom margin.
    void everyMeaningFitsItsCard() {
        std::vector<ReferenceSheet> cards;
        for (const auto& info : mss::codebook::kSections)
            for (const auto& m : mss::codebook::signalsOf(shippedBook(), info.section))
                cards.push_back(mss::print::signalSheet(m));
        std::stable_sort(cards.begin(), cards.end(),
                         [](const ReferenceSheet& a, const ReferenceSheet& b) { return a.meaning.size() > b.meaning.size(); });
        std::vector<ReferenceSheet> chosen(cards.begin(), cards.begin() + 15);
        std::copy_if(cards.begin(), cards.end(), std::back_inserter(chosen), [n = 0](const ReferenceSheet& c) mutable {
            return c.reconstructed && n++ < 10;
        });
        constexpr int kScale = 1;
        const double k = pixelsPerMm(kScale);
        for (const ReferenceSheet& card : chosen) {
            const QImage image = mss::print::renderSheet(card, kScale);
            const int from = static_cast<int>((mss::print::kSheetSize.height() - mss::print::kSheetPadding) * k) + 2;
            const int inset = static_cast<int>(k) + 1;  // clear of the frame
            for (int y = from; y < image.height() - inset; ++y)
                for (int x = inset; x < image.width() - inset; ++x)
                    QVERIFY2(image.pixel(x, y) == mss::print::kPaper.rgb(),
                             qPrintable(QStringLiteral("%1 at (%2, %3)").arg(card.code).arg(x).arg(y)));
        }
    }
};

QTEST_MAIN(SheetDrawingTest)
#include "sheet_drawing_test.moc"
