// SPDX-License-Identifier: GPL-3.0-or-later
// Printing and export from the search window: «Печать…» and «Сохранить
// PDF…» take the cards of the rows selected, or of every row listed;
// «Линии отреза» puts cut marks on them; «Экспорт картинки…» saves the card
// of the row in hand as PNG or SVG, the kind by the file's extension. The
// line under the buttons says what went where; the printing module is opened
// on the first press, not with the window. The files are read back: the PDF
// with poppler's tools, the PNG against the module's own picture of the card.

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include "forms/shared/application_setup.h"
#include "print/reference_sheet.h"
#include "print/document_printer.h"
#include "search/search_index.h"
#include "support/mapped_libraries.h"
#include "forms/search/search_printing_fixture.h"

using mss::forms::SearchWindow;
using mss::testing::SearchPrintingFixture;

namespace {

// Standard output of a poppler tool; empty, with a warning, when it fails.
QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning().noquote() << program << arguments << "failed:" << process.readAllStandardError();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A field of pdfinfo's report: "Title", "Pages".
QString pdfInfo(const QString& pdf, const QString& field) {
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field), QRegularExpression::MultilineOption);
    return line.match(run(QStringLiteral(MSS_PDFINFO), {pdf})).captured(1).trimmed();
}

// The shape of the cursor over every window now; nothing when it is the windows' own.
std::optional<Qt::CursorShape> overrideCursor() {
    if (const QCursor* cursor = QApplication::overrideCursor()) return cursor->shape();
    return std::nullopt;
}

// A printer in place of the module: it notes every document and card it is
// given, and what the window showed meanwhile.
class NotingPrinter : public mss::print::DocumentPrinter {
public:
    struct Call {
        QString what;  // "print", "pdf", "svg", "png"
        mss::print::Document document;
        QString file;
        std::optional<Qt::CursorShape> cursor;          // while it works
        std::optional<Qt::CursorShape> cursorInDialog;  // once a dialog takes the learner's input
        QString report;                                 // the window's line meanwhile
    };
    std::vector<Call> calls;
    bool printAnswer = true;  // whether the learner printed or cancelled in the preview

    QString savePdf(const mss::print::Document& document, const QString& file) override {
        note("pdf", document, file);
        return {};
    }
    bool printWithPreview(const mss::print::Document& document, QWidget*) override {
        note("print", document, {});
        // The preview's own loop, once its pages are drawn.
        QCoreApplication::processEvents();
        calls.back().cursorInDialog = overrideCursor();
        return printAnswer;
    }
    QString saveSheetSvg(const mss::print::ReferenceSheet& card, const QString& file) override {
        note("svg", mss::print::Document::ofSheets({}, {card}), file);
        return {};
    }
    QString saveSheetPng(const mss::print::ReferenceSheet& card, const QString& file, int) override {
        note("png", mss::print::Document::ofSheets({}, {card}), file);
        return {};
    }
    QImage sheetImage(const mss::print::ReferenceSheet&, int) override { return {}; }

private:
    void note(const char* what, const mss::print::Document& document, const QString& file) {
        const SearchWindow* s = SearchWindow::current();
        calls.push_back({QString::fromLatin1(what), document, file, overrideCursor(), std::nullopt,
                         s ? s->sheetOutput()->report()->text() : QString()});
    }
};

QStringList codesOf(const mss::print::Document& document) {
    QStringList codes;
    for (const auto& block : document.blocks) codes << block.sheet.code;
    return codes;
}

// Shows the part of the book `part` in the list.
void choosePart(SearchWindow* s, const QString& part) {
    s->field()->clear();
    s->partList()->setCurrentText(part);
}

}  // namespace

class SearchPrintingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { mss::forms::prepareApplication(); }

    // First, while nothing has been printed in this process.
    void theModuleIsOpenedAtTheFirstPressNotWithTheWindow() {
        SearchPrintingFixture f;
        SearchWindow* s = f.open();
        QVERIFY(s);
        // Whatever the window left to do once shown is done first.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        // (Qt SVG itself may be in already: the toolkit's image plugins come
        // with the icon of the field's clear button, the SVG plugin among them.)
        QCOMPARE(mss::testing::mappedOf({QStringLiteral("libQt6PrintSupport"), QStringLiteral("libmss65-print")}),
                 QStringList());
        // The learner asks for a picture, then thinks better of it.
        QTest::mouseClick(f.bar(s).pictureButton(), Qt::LeftButton);
        QCOMPARE(f.fileAsked.size(), 1u);
        QCOMPARE(mss::testing::mappedOf(mss::testing::kPrintingLibraries).size(), 3);
        QCOMPARE(f.written(), QStringList());
        QCOMPARE(f.report(s), QString());
        QVERIFY(f.warnings.empty());
    }

    void savesThePdfOfTheSelectedRowsThroughItsButton() {
        SearchPrintingFixture f;
        SearchWindow* s = f.open();
        QVERIFY(s);
        choosePart(s, QStringLiteral("Медицинский"));
        SearchPrintingFixture::selectRows(s, {1, 3});
        const QStringList chosen{s->model().codeAt(1), s->model().codeAt(3)};
        QCOMPARE(s->selectedOrShownCodes(), chosen);

        // Named without its extension: it is added.
        f.answer = {f.file(QStringLiteral("медицинские")), 0};
        QTest::mouseClick(f.bar(s).pdfButton(), Qt::LeftButton);
        QCOMPARE(f.fileAsked.size(), 1u);
        QCOMPARE(f.fileAsked[0].title, QStringLiteral("Сохранить карточки в PDF"));
        QCOMPARE(f.fileAsked[0].kinds, QStringList{QStringLiteral("Документ PDF (*.pdf)")});
        QCOMPARE(QFileInfo(f.fileAsked[0].suggested).fileName(), QStringLiteral("Карточки МСС-65.pdf"));
        QVERIFY(f.warnings.empty());
        const QString pdf = f.file(QStringLiteral("медицинские.pdf"));
        QCOMPARE(f.written(), QStringList{QFileInfo(pdf).fileName()});

        // The two cards, in the order listed, and nothing else.
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Title")), QStringLiteral("Карточки МСС-65: ") + chosen.join(u", "));
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
        const QString text = run(QStringLiteral(MSS_PDFTOTEXT), {pdf, QStringLiteral("-")});
        for (const QString& code : chosen)
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(code))), qPrintable(code));

        // Where it went, for the eye and for the screen reader.
        const QString said = QStringLiteral("PDF сохранён: %1 — 2 карточки.").arg(pdf);
        QCOMPARE(f.report(s), said);
        QCOMPARE(f.bar(s).report()->accessibleName(), said);
        if (const QString shots = qEnvironmentVariable("MSS65_SCREENSHOTS"); !shots.isEmpty())
            s->grab().save(QDir(shots).filePath(QStringLiteral("search-saved-pdf.png")));

        // Ctrl+S asks again, in the folder saved in last; cancelled, it writes nothing.
        f.answer = {};
        QTest::keyClick(s->field(), Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(f.fileAsked.size(), 2u);
        QCOMPARE(QFileInfo(f.fileAsked[1].suggested).absolutePath(), QFileInfo(pdf).absolutePath());
        QCOMPARE(f.written(), QStringList{QFileInfo(pdf).fileName()});
        QCOMPARE(f.report(s), said);
    }

    void savesTheRowShownByEnterWhenNoneIsSelected() {
        SearchPrintingFixture f;
        SearchWindow* s = f.open();
        QVERIFY(s);
        SearchPrintingFixture::type(s, QStringLiteral("якорем"));
        QVERIFY(s->model().rowCount() > 1);
        const QString first = s->model().codeAt(0);
        // Enter shows the first row on the main window: it is the row in hand.
        QTest::keyClick(s->field(), Qt::Key_Return);
        QCOMPARE(s->selectedOrShownCodes(), QStringList{first});
        f.answer = {f.file(QStringLiteral("один.pdf")), 0};
        QTest::mouseClick(f.bar(s).pdfButton(), Qt::LeftButton);
        QCOMPARE(f.fileAsked.size(), 1u);
        const QString pdf = f.file(QStringLiteral("один.pdf"));
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Title")), QStringLiteral("Карточки МСС-65: ") + first);
        QCOMPARE(f.report(s), QStringLiteral("PDF сохранён: %1 — 1 карточка.").arg(pdf));
        // Rows selected before Enter stay the ones taken.
        s->field()->clear();
        SearchPrintingFixture::type(s, QStringLiteral("якорь"));
        QVERIFY(!s->results()->selectionModel()->hasSelection());
        SearchPrintingFixture::selectRows(s, {1, 2});
        const QStringList chosen{s->model().codeAt(1), s->model().codeAt(2)};
        QTest::keyClick(s->field(), Qt::Key_Return);
        QCOMPARE(s->selectedOrShownCodes(), chosen);
    }

    void exportsTheRowInHandAsAPicture_data() {
        QTest::addColumn<QString>("named");   // the file as the learner names it
        QTest::addColumn<QString>("kind");    // the kind chosen in the dialog
        QTest::addColumn<QString>("file");    // the file written
        QTest::addColumn<int>("scale");       // of a PNG; 0 for SVG
        QTest::newRow("PNG at 2×") << "card.png" << "Картинка PNG 2× (*.png)" << "card.png" << 2;
        QTest::newRow("PNG at 1×") << "card.png" << "Картинка PNG 1× (*.png)" << "card.png" << 1;
        QTest::newRow("no extension: the kind's") << "card" << "Картинка PNG 4× (*.png)" << "card.png" << 4;
        QTest::newRow("SVG") << "card.svg" << "Картинка SVG (*.svg)" << "card.svg" << 0;
        QTest::newRow("the extension decides: SVG") << "card.svg" << "Картинка PNG 4× (*.png)" << "card.svg" << 0;
        QTest::newRow("the extension decides: PNG") << "card.PNG" << "Картинка SVG (*.svg)" << "card.PNG" << 2;
        QTest::newRow("another extension: the kind's") << "card.v2" << "Картинка SVG (*.svg)" << "card.v2.svg" << 0;
    }
    void exportsTheRowInHandAsAPicture() {
        QFETCH(QString, named);
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(int, scale);
        SearchPrintingFixture f;
        SearchWindow* s = f.open();
        QVERIFY(s);
        // The row in hand is the one the arrows reached, whatever else is selected.
        choosePart(s, QStringLiteral("Медицинский"));
        QTest::keyClick(s->field(), Qt::Key_Down);
        QTest::keyClick(s->field(), Qt::Key_Down, Qt::ShiftModifier);
        const QString code = s->model().codeAt(2);
        QCOMPARE(s->codeInHand(), code);

        const QStringList kinds{QStringLiteral("Картинка PNG 1× (*.png)"), QStringLiteral("Картинка PNG 2× (*.png)"),
                                QStringLiteral("Картинка PNG 4× (*.png)"), QStringLiteral("Картинка SVG (*.svg)")};
        f.answer = {f.file(named), static_cast<int>(kinds.indexOf(kind))};
        QTest::mouseClick(f.bar(s).pictureButton(), Qt::LeftButton);
        QCOMPARE(f.fileAsked.size(), 1u);
        QCOMPARE(f.fileAsked[0].kinds, kinds);
        QCOMPARE(f.fileAsked[0].preferredKind, 1);  // PNG 2×, the first time
        QCOMPARE(QFileInfo(f.fileAsked[0].suggested).fileName(), QStringLiteral("Карточка %1.png").arg(code));
        QVERIFY2(f.warnings.empty(), qPrintable(f.warnings.empty() ? QString() : f.warnings[0].text));
        QCOMPARE(f.written(), QStringList{file});

        const auto card = mss::print::sheetOf(mss::testing::shippedBook(), code);
        QVERIFY(card);
        QFile written(f.file(file));
        QVERIFY(written.open(QIODevice::ReadOnly));
        if (scale > 0) {
            // The card's picture at that scale, as the module draws it.
            const QImage image = QImage::fromData(written.readAll(), "PNG");
            QCOMPARE(image.size(), QSize(340, 491) * scale);
            const QImage expected = mss::print::printerModule().printer->sheetImage(*card, scale);
            QCOMPARE(image.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32));
        } else {
            // An SVG document titled with the code.
            QXmlStreamReader svg(&written);
            QVERIFY(svg.readNextStartElement());
            QCOMPARE(svg.name().toString(), QStringLiteral("svg"));
            QString title;
            while (svg.readNextStartElement() && title.isEmpty())
                if (svg.name() == u"title") title = svg.readElementText();
                else svg.skipCurrentElement();
            QCOMPARE(title, code);
        }
        const QString what = scale > 0 ? QStringLiteral("PNG, %1×").arg(scale) : QStringLiteral("SVG");
        QCOMPARE(f.report(s), QStringLiteral("Карточка %1 сохранена: %2 (%3).").arg(code, f.file(file), what));

        // The next export offers the kind chosen this time.
        f.answer = {};
        QTest::mouseClick(f.bar(s).pictureButton(), Qt::LeftButton);
        QCOMPARE(f.fileAsked.size(), 2u);
        QCOMPARE(f.fileAsked[1].preferredKind, kinds.indexOf(kind));
        QCOMPARE(QFileInfo(f.fileAsked[1].suggested).absolutePath(), QFileInfo(f.file(file)).absolutePath());
    }

    void printingShowsTheCardsInThePreviewWithCutMarksWhenAsked() {
        NotingPrinter printer;
        SearchPrintingFixture f;
        f.printer = mss::print::PrinterModule{&printer, {}};
        SearchWindow* s = f.open();
        QVERIFY(s);
        choosePart(s, QStringLiteral("Таблицы дополнений"));
        SearchPrintingFixture::selectRows(s, {0, 12});
        const QStringList chosen = s->selectedOrShownCodes();
        QCOMPARE(chosen.size(), 2);

        // Ctrl+P presses the button, which prints; the preview printed.
        QTest::keyClick(s->field(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(f.bar(s).printButton()->isDown());
        QTRY_COMPARE(printer.calls.size(), 1u);
        const NotingPrinter::Call& printed = printer.calls[0];
        QCOMPARE(printed.what, QStringLiteral("print"));
        QCOMPARE(codesOf(printed.document), chosen);
        QCOMPARE(printed.document.title, QStringLiteral("Карточки МСС-65: ") + chosen.join(u", "));
        QVERIFY(!printed.document.cutMarks);
        QCOMPARE(printed.report, QStringLiteral("Подготовка к печати: 2 карточки…"));
        QCOMPARE(printed.cursor, std::optional(Qt::WaitCursor));
        QCOMPARE(printed.cursorInDialog, std::nullopt);
        QCOMPARE(overrideCursor(), std::nullopt);
        QCOMPARE(f.report(s), QStringLiteral("Отправлено на печать: 2 карточки."));

        // With «Линии отреза», by the button; the learner cancels in the preview.
        QTest::mouseClick(f.bar(s).cutMarksBox(), Qt::LeftButton);
        QVERIFY(f.bar(s).cutMarksBox()->isChecked());
        printer.printAnswer = false;
        QTest::mouseClick(f.bar(s).printButton(), Qt::LeftButton);
        QCOMPARE(printer.calls.size(), 2u);
        QVERIFY(printer.calls[1].document.cutMarks);
        QCOMPARE(f.report(s), QStringLiteral("Печать отменена."));
        // And in the PDF.
        f.answer = {f.file(QStringLiteral("tables.pdf")), 0};
        QTest::mouseClick(f.bar(s).pdfButton(), Qt::LeftButton);
        QCOMPARE(printer.calls.size(), 3u);
        QCOMPARE(printer.calls[2].what, QStringLiteral("pdf"));
        QVERIFY(printer.calls[2].document.cutMarks);
        QCOMPARE(codesOf(printer.calls[2].document), chosen);
        QVERIFY(f.warnings.empty());
    }

    // Every card of the book, 1,899: the learner is told how many go, and
    // the cursor waits while they are made and drawn.
    void theWholeBookGoesWithItsCountAndAWaitCursor() {
        NotingPrinter printer;
        SearchPrintingFixture f;
        f.printer = mss::print::PrinterModule{&printer, {}};
        SearchWindow* s = f.open();
        QVERIFY(s);
        QCOMPARE(s->model().rowCount(), 1899);
        f.answer = {f.file(QStringLiteral("book.pdf")), 0};
        QTest::keyClick(s->field(), Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(printer.calls.size(), 1u);
        QTest::keyClick(s->field(), Qt::Key_P, Qt::ControlModifier);
        QTRY_COMPARE(printer.calls.size(), 2u);
        for (const NotingPrinter::Call& call : printer.calls) {
            QCOMPARE(call.document.blocks.size(), 1899u);
            QCOMPARE(call.cursor, std::optional(Qt::WaitCursor));
        }
        QCOMPARE(printer.calls[0].report, QStringLiteral("Сохранение PDF: 1899 карточек…"));
        QCOMPARE(printer.calls[0].file, f.file(QStringLiteral("book.pdf")));
        QCOMPARE(printer.calls[1].report, QStringLiteral("Подготовка к печати: 1899 карточек…"));
        QCOMPARE(overrideCursor(), std::nullopt);
        QCOMPARE(f.report(s), QStringLiteral("Отправлено на печать: 1899 карточек."));
        // The book's codes, in its order.
        QCOMPARE(codesOf(printer.calls[0].document), s->selectedOrShownCodes());
    }

    void nothingListedNothingToPrint() {
        NotingPrinter printer;
        SearchPrintingFixture f;
        f.printer = mss::print::PrinterModule{&printer, {}};
        SearchWindow* s = f.open();
        QVERIFY(s);
        SearchPrintingFixture::type(s, QStringLiteral("zzzzzzqq"));
        QCOMPARE(s->model().rowCount(), 0);
        for (QWidget* b : {static_cast<QWidget*>(f.bar(s).printButton()), static_cast<QWidget*>(f.bar(s).pdfButton()),
                           static_cast<QWidget*>(f.bar(s).pictureButton())})
            QVERIFY(!b->isEnabled());
        // A shortcut of a button presses it down at once, and clicks it later: neither is pressed.
        QTest::keyClick(s->field(), Qt::Key_P, Qt::ControlModifier);
        QTest::keyClick(s->field(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!f.bar(s).printButton()->isDown() && !f.bar(s).pdfButton()->isDown());
        QVERIFY(printer.calls.empty());
        QVERIFY(f.fileAsked.empty());
        // Something listed again: they work again.
        s->field()->clear();
        QVERIFY(f.bar(s).pictureButton()->isEnabled());
    }

    void aFileThatCannotBeWrittenIsSaidAndTheWindowGoesOn() {
        SearchPrintingFixture f;
        SearchWindow* s = f.open();
        QVERIFY(s);
        SearchPrintingFixture::selectRows(s, {0});
        f.answer = {f.file(QStringLiteral("нет такой папки/карточки.pdf")), 0};
        QTest::mouseClick(f.bar(s).pdfButton(), Qt::LeftButton);
        QCOMPARE(f.warnings.size(), 1u);
        QCOMPARE(f.warnings[0].title, QStringLiteral("Поиск сигнала"));
        QVERIFY2(f.warnings[0].text.contains(QStringLiteral("не записан: нет папки")), qPrintable(f.warnings[0].text));
        QCOMPARE(f.report(s), QString());
        QCOMPARE(overrideCursor(), std::nullopt);
        QVERIFY(s->isVisible());
    }

    void buttonsAreNamedForTheScreenReaderAndReachedInTabOrder() {
        SearchPrintingFixture f;
        SearchWindow* s = f.open();
        QVERIFY(s);
        const auto& bar = f.bar(s);
        struct Expected {
            QWidget* control;
            QString caption, name;
        };
        for (const auto& [control, caption, name] :
             {Expected{bar.printButton(), QStringLiteral("Печать…"), QStringLiteral("Печать карточек")},
              Expected{bar.pdfButton(), QStringLiteral("Сохранить PDF…"), QStringLiteral("Сохранить карточки в PDF")},
              Expected{bar.cutMarksBox(), QStringLiteral("&Линии отреза"), QStringLiteral("Линии отреза")},
              Expected{bar.pictureButton(), QStringLiteral("Экспорт картинки…"),
                       QStringLiteral("Экспорт карточки картинкой")}}) {
            QCOMPARE(static_cast<QAbstractButton*>(control)->text(), caption);
            QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), name);
            QVERIFY2(!control->toolTip().isEmpty(), qPrintable(name));
        }
        QVERIFY(bar.printButton()->toolTip().contains(QStringLiteral("(Ctrl+P)")));
        QVERIFY(bar.pdfButton()->toolTip().contains(QStringLiteral("(Ctrl+S)")));
        // Tab from the list goes along the printing row from left to right.
        s->results()->setFocus();
        for (QWidget* next : {static_cast<QWidget*>(bar.printButton()), static_cast<QWidget*>(bar.pdfButton()),
                              static_cast<QWidget*>(bar.cutMarksBox()), static_cast<QWidget*>(bar.pictureButton())}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }
};

QTEST_MAIN(SearchPrintingTest)
#include "search_printing_test.moc"
