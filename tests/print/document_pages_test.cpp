// SPDX-License-Identifier: GPL-3.0-or-later
// Documents on pages of A4 as the printing module lays them out: cards
// several a page, a ticket with its answer key on a page of its own,
// paragraphs going on over a page break, cut marks, fonts embedded, and the
// print preview showing every page. The PDF is read back with poppler's
// tools, as a reader would see it.

#include <QBuffer>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "print/reference_sheet.h"
#include "print/module/document_painter.h"
#include "print/module/outputs.h"
#include "print/module/paper_look.h"
#include "support/shipped_book.h"

using mss::print::Block;
using mss::print::ReferenceSheet;
using mss::print::Cell;
using mss::print::Document;

namespace {

int pagesOf(const Document& document) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(mss::print::kPdfDpi);
    mss::print::setA4(pdf);
    return mss::print::pageCount(document, pdf);
}

std::vector<ReferenceSheet> sheetsOf(const QStringList& codes) {
    std::vector<ReferenceSheet> cards;
    for (const QString& code : codes) cards.push_back(*mss::print::sheetOf(mss::testing::shippedBook(), code));
    return cards;
}

// Standard output of a poppler tool; fails the test when it cannot run.
QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        qWarning().noquote() << program << arguments << "failed:" << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pageText(const QString& pdf, int page) {
    return run(QStringLiteral(MSS_PDFTOTEXT),
               {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page), pdf,
                QStringLiteral("-")});
}

QImage pagePicture(const QString& pdf, int page, int dpi) {
    const QString stem = pdf + QStringLiteral("-page");
    run(QStringLiteral(MSS_PDFTOPPM), {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
                                       QString::number(dpi), QStringLiteral("-f"), QString::number(page),
                                       QStringLiteral("-l"), QString::number(page), pdf, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// A ticket as the exam prints it: its questions, then the answer key on a page of its own.
Document ticket() {
    Document d{QStringLiteral("Билет № 7"), {}, false};
    d.blocks.push_back(Block::heading(QStringLiteral("Билет № 7 — основной")));
    d.blocks.push_back(Block::paragraph(QStringLiteral("Разберите сигналы и наберите значения.")));
    for (int q = 1; q <= 20; ++q)
        d.blocks.push_back(Block::row({Cell{QStringLiteral("Вопрос %1").arg(q), {}},
                                       Cell{QStringLiteral("Разобрать"), {12, 0, 37}, q % 2 == 0},
                                       Cell{QStringLiteral("________"), {}}},
                                      {1, 3, 2}));
    d.blocks.push_back(Block::pageBreak());
    d.blocks.push_back(Block::heading(QStringLiteral("Ответы к билету № 7")));
    for (int q = 1; q <= 20; ++q)
        d.blocks.push_back(Block::row({Cell{QStringLiteral("Ответ %1: MAA").arg(q), {}}}));
    return d;
}

int darkPixelsNear(const QImage& page, QPoint at, int radius) {
    int dark = 0;
    for (int y = at.y() - radius; y <= at.y() + radius; ++y)
        for (int x = at.x() - radius; x <= at.x() + radius; ++x)
            if (qGray(page.pixel(x, y)) < 200) ++dark;
    return dark;
}

}  // namespace

class DocumentPagesTest : public QObject {
    Q_OBJECT

private slots:
    void cardsStandFourAPage() {
        const QStringList codes{"NC", "MAA", "AE1", "I-3", "7", "R", "A", "V", "W"};
        for (const auto& [count, pages] : {std::pair{1, 1}, {4, 1}, {5, 2}, {8, 2}, {9, 3}})
            QVERIFY2(pagesOf(Document::ofSheets(QString(), sheetsOf(codes.mid(0, count)))) == pages,
                     qPrintable(QStringLiteral("%1 cards").arg(count)));
    }

    void ticketKeepsItsKeyOnAPageOfItsOwn() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("ticket.pdf"));
        const Document document = ticket();
        QCOMPARE(mss::print::writePdf(document, pdf), QString());
        const int pages = pagesOf(document);
        QVERIFY(pages >= 2);
        const QRegularExpression pagesLine(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                           QRegularExpression::MultilineOption);
        QCOMPARE(pagesLine.match(run(QStringLiteral(MSS_PDFINFO), {pdf})).captured(1).toInt(), pages);
        const QString first = pageText(pdf, 1);
        QVERIFY2(first.contains(QStringLiteral("Билет № 7 — основной")), qPrintable(first));
        QVERIFY(first.contains(QStringLiteral("Вопрос 1")));
        QVERIFY(!first.contains(QStringLiteral("Ответы")));
        int keyPage = 0;
        for (int page = 2; page <= pages && keyPage == 0; ++page)
            if (pageText(pdf, page).contains(QStringLiteral("Ответы к билету № 7"))) keyPage = page;
        QVERIFY(keyPage > 0);
        QVERIFY(!pageText(pdf, keyPage).contains(QStringLiteral("Вопрос")));
        QVERIFY(pageText(pdf, pages).contains(QStringLiteral("Ответ 20: MAA")));
        QVERIFY(pageText(pdf, pages).contains(QStringLiteral("%1 из %1").arg(pages)));

        // The hoists are drawn in colour: M's and A's blue is on the page.
        const QImage page = pagePicture(pdf, 1, 50);
        int blue = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qBlue(page.pixel(x, y)) > 200 && qRed(page.pixel(x, y)) < 60) ++blue;
        QVERIFY2(blue > 20 * 10, qPrintable(QString::number(blue)));

        // Every font is in the file.
        const QStringList fonts = run(QStringLiteral(MSS_PDFFONTS), {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts)
            QVERIFY2(font.split(u' ', Qt::SkipEmptyParts).value(4) == QStringLiteral("yes"), qPrintable(font));
    }

    void pageBreakOnAnEmptyPageAddsNone() {
        Document d;
        d.blocks = {Block::pageBreak(), Block::heading(QStringLiteral("Один")), Block::pageBreak(),
                    Block::pageBreak(), Block::paragraph(QStringLiteral("Два"))};
        QCOMPARE(pagesOf(d), 2);
    }

    void paragraphGoesOnOverAPageBreak() {
        QStringList words;
        for (int i = 1; i <= 1500; ++i) words << QStringLiteral("слово%1").arg(i);
        Document d;
        d.blocks = {Block::heading(QStringLiteral("Длинный текст")), Block::paragraph(words.join(u' '))};
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
        QCOMPARE(mss::print::writePdf(d, pdf), QString());
        QVERIFY(pagesOf(d) >= 2);
        const QString second = pageText(pdf, 2);
        QVERIFY2(!second.contains(QStringLiteral("Длинный")) && second.contains(QStringLiteral("слово")),
                 qPrintable(second.left(200)));
        const QString all = run(QStringLiteral(MSS_PDFTOTEXT), {pdf, QStringLiteral("-")});
        QVERIFY(all.contains(QStringLiteral("слово1 ")) && all.contains(QStringLiteral("слово1500")));
    }

    // With cut marks a card has short lines off its corners and no frame;
    // without, a frame and no marks.
    void cutMarksTakeThePlaceOfFrames() {
        constexpr int kDpi = 150;
        const double k = kDpi / 25.4;
        const QPointF corner(mss::print::kPageMargin, mss::print::kPageMargin);  // the first card's, top left
        const QPointF offCorner(mss::print::kCutMarkGap + mss::print::kCutMarkLength / 2, 0);
        const QPoint markAt = ((corner - offCorner) * k).toPoint();
        const QPoint edgeAt = ((corner + QPointF(0, mss::print::kSheetSize.height() / 2)) * k).toPoint();
        QTemporaryDir dir;
        for (bool cutMarks : {false, true}) {
            const QString pdf = dir.filePath(QStringLiteral("cards-%1.pdf").arg(cutMarks));
            QCOMPARE(mss::print::writePdf(Document::ofSheets(QString(), sheetsOf({"NC", "MAA"}), cutMarks), pdf),
                     QString());
            const QImage page = pagePicture(pdf, 1, kDpi);
            QVERIFY(!page.isNull());
            QVERIFY2((darkPixelsNear(page, markAt, 2) > 0) == cutMarks, cutMarks ? "no mark" : "a mark");
            QVERIFY2((darkPixelsNear(page, edgeAt, 2) > 0) == !cutMarks, cutMarks ? "a frame" : "no frame");
        }
    }

    void previewShowsEveryPage() {
        const Document document =
            Document::ofSheets(QStringLiteral("Карточки"), sheetsOf({"NC", "MAA", "AE1", "I-3", "7"}));
        int shown = -1;
        QTimer poll;
        const QDeadlineTimer deadline(30000);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QPrintPreviewDialog*>(w); dialog && dialog->isVisible()) {
                    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
                    const bool ready = preview && preview->pageCount() > 0;
                    if (!ready && !deadline.hasExpired()) return;
                    if (ready) shown = preview->pageCount();
                    dialog->reject();
                }
        });
        poll.start(20);
        QVERIFY(!mss::print::printWithPreviewDialog(document, nullptr));
        QCOMPARE(shown, 2);
    }
};

QTEST_MAIN(DocumentPagesTest)
#include "document_pages_test.moc"
