// SPDX-License-Identifier: GPL-3.0-or-later
// mss65 --card MAA --output maa.png (or .svg), run as a process without a
// display: the picture shows M, A and the 2nd substitute's blue-and-white
// pennant where the card puts them, at each scale; the SVG is well-formed
// and draws the same.

#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "print/reference_sheet.h"
#include "print/flag_probes.h"
#include "print/module/sheet_painter.h"
#include "print/module/paper_look.h"
#include "support/shipped_book.h"

namespace {

// Runs the program in `folder` with no display; returns its exit status.
int runProgram(const QString& folder, const QStringList& arguments, QString* errors = nullptr) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder);
    program.start(QStringLiteral(MSS_PROGRAM), arguments);
    if (!program.waitForFinished(60000)) return -1;
    if (errors) *errors = QString::fromUtf8(program.readAllStandardError());
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
}

// What is wrong with MAA's flags in its card's picture, drawn at `scale`.
QStringList maaProblems(const QImage& image, int scale) {
    const auto card = mss::print::sheetOf(mss::testing::shippedBook(), QStringLiteral("MAA"));
    const auto geometry = mss::print::sheetGeometry(*card);
    const double k = mss::print::kScreenDpi * scale / 25.4;
    QStringList problems;
    for (std::size_t i = 0; i < card->hoist.size(); ++i) {
        const QRectF box(geometry.flags[i].topLeft() * k, geometry.flags[i].size() * k);
        problems << mss::testing::flagProblems(image, box, card->hoist[i].flag);
    }
    return problems;
}

}  // namespace

class CardPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void pngShowsTheHoistOfMaa_data() {
        QTest::addColumn<QStringList>("scaleArguments");
        QTest::addColumn<int>("scale");
        QTest::newRow("by default") << QStringList{} << 2;
        QTest::newRow("1") << QStringList{"--scale", "1"} << 1;
        QTest::newRow("2") << QStringList{"--scale", "2"} << 2;
        QTest::newRow("4") << QStringList{"--scale", "4"} << 4;
    }

    void pngShowsTheHoistOfMaa() {
        QFETCH(QStringList, scaleArguments);
        QFETCH(int, scale);
        QTemporaryDir dir;
        QString errors;
        QCOMPARE(runProgram(dir.path(), QStringList{"--card", "MAA", "--output", "maa.png"} + scaleArguments, &errors),
                 0);
        QCOMPARE(errors, QString());
        const QImage image(dir.filePath(QStringLiteral("maa.png")));
        QCOMPARE(image.size(), QSize(340, 491) * scale);
        const QStringList problems = maaProblems(image, scale);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    }

    void svgIsValidAndDrawsTheHoistOfMaa() {
        QTemporaryDir dir;
        QCOMPARE(runProgram(dir.path(), {"--card", "маа", "--output", "maa.svg"}), 0);
        QFile file(dir.filePath(QStringLiteral("maa.svg")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

        QSvgRenderer renderer(file.fileName());
        QVERIFY(renderer.isValid());
        QImage image(QSize(340, 491), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QStringList problems = maaProblems(image, 1);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    }
};

QTEST_MAIN(CardPicturesTest)
#include "card_pictures_test.moc"
