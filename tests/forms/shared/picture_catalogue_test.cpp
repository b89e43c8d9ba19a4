// SPDX-License-Identifier: GPL-3.0-or-later
// The flags of one set as the windows get them: the catalogue's 36 and the
// substitutes and the answering pennant, each decoded once, sharp on a screen
// of device pixel ratio 2.

#include <QtTest>

#include "codebook/signal_flags.h"
#include "forms/shared/picture_catalogue.h"

using mss::codebook::kSignalFlagCount;
using mss::codebook::signalFlag;
using mss::forms::PictureCatalogue;

class PictureCatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void everyFlagOfTheSetHasItsPicture() {
        const bool sharp = qApp->devicePixelRatio() >= 1.5;
        const PictureCatalogue& pictures = PictureCatalogue::instance();
        for (int k = 0; k < kSignalFlagCount; ++k) {
            const QPixmap& picture = pictures.flag(signalFlag(k));
            QVERIFY2(!picture.isNull(), qPrintable(QString::number(k)));
            QCOMPARE(&picture, &pictures.flag(k));
            QCOMPARE(pictures.flagOf(&picture), k);
            QCOMPARE(picture.devicePixelRatio(), sharp ? 2.0 : 1.0);
            QCOMPARE(picture.deviceIndependentSize().toSize(), k == 12 ? QSize(92, 58) : QSize(91, 60));
        }
        QCOMPARE(pictures.flagOf(&pictures.singleM()), -1);
    }

    // The new flags are not the pictures of any other flag.
    void substitutesAndTheAnsweringPennantAreFlagsOfTheirOwn() {
        const PictureCatalogue& pictures = PictureCatalogue::instance();
        QList<QImage> images;
        for (int k = 0; k < kSignalFlagCount; ++k) images << pictures.flag(k).toImage();
        for (int a = mss::codebook::kFirstSubstitute; a < kSignalFlagCount; ++a)
            for (int b = 0; b < kSignalFlagCount; ++b)
                if (a != b) QVERIFY2(images[a] != images[b], qPrintable(QStringLiteral("%1 and %2").arg(a).arg(b)));
    }
};

QTEST_MAIN(PictureCatalogueTest)
#include "picture_catalogue_test.moc"
