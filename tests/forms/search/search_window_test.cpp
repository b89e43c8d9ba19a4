// SPDX-License-Identifier: GPL-3.0-or-later
// The search window «Поиск сигнала»: opened once by Ctrl+F, it lists the
// whole book while nothing is typed and the signals for what is typed, best
// first, with the matched words marked, both within the part of the book and
// the letter chosen; Up, Down and Enter from the field, or a double click,
// put a signal up on the main window just as typing its code would, and the
// search stays open.

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>
#include <QSet>
#include <QToolTip>

#include <algorithm>
#include <memory>

#include "codebook/signal_code.h"
#include "engine/engine.h"
#include "forms/shared/application_setup.h"
#include "look/look.h"
#include "forms/shared/picture_catalogue.h"
#include "forms/main/main_window.h"
#include "forms/main/meaning_line.h"
#include "forms/search/search_result_delegate.h"
#include "forms/search/search_results_model.h"
#include "forms/search/search_window.h"
#include "forms/shared/window_placement.h"
#include "forms/wiring/secondary_windows.h"
#include "search/book_rows.h"
#include "search/search_index.h"
#include "support/learner_typing.h"
#include "support/scenario.h"
#include "forms/window_fixture.h"

using namespace mss::testing;
using mss::forms::SearchWindow;

Q_DECLARE_METATYPE(mss::search::RowFilter)

namespace {

// Types `text` into `field` key by key, as a keyboard would (Cyrillic too).
void typeInto(QWidget* field, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The results' codes, in the order listed.
QStringList listedCodes(const SearchWindow* s) {
    QStringList codes;
    for (int i = 0; i < s->model().rowCount(); ++i) codes << s->model().signalAt(i).code;
    return codes;
}

// The highlighted parts of a result's meaning.
QStringList highlighted(const mss::forms::FoundSignal& found) {
    QStringList parts;
    for (const auto& [first, length] : found.highlights) parts << found.meaning.mid(first, length);
    return parts;
}

// What the main window's hoist shows, top down: the medical M, then the flag
// of every position on view.
QString hoistOnScreen(const WindowFixture& w) {
    QString shown;
    if (w.medicalM()->isVisible()) shown += u'M';
    for (HoistPosition p : mss::engine::kHoistPositions) {
        const auto* box = w.position(p);
        const int flag = mss::forms::PictureCatalogue::instance().flagOf(box->picture());
        if (box->isVisible() && flag >= 0) shown += QChar::fromLatin1(mss::codebook::symbolOfFlag(flag));
    }
    return shown;
}

// The text of the list of the meaning line on top: the medical list lies
// over the others.
QString meaningOnScreen(const WindowFixture& w) {
    if (w.list(CodeList::Medical)->isVisible()) return w.list(CodeList::Medical)->currentText();
    for (const auto& info : mss::codebook::kCodeLists)
        if (w.list(info.list)->isVisible()) return w.list(info.list)->currentText();
    return {};
}

// What a screen reader hears as the label of a control.
QString labelOf(QWidget* control) {
    QStringList labels;
    for (const auto& [label, relation] :
         QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label))
        labels << label->text(QAccessible::Name);
    return labels.join(u' ');
}

std::shared_ptr<const mss::search::SearchIndex> shippedIndex() {
    static const auto index =
        std::make_shared<const mss::search::SearchIndex>(mss::search::searchRowsOf(shippedBook()));
    return index;
}

// The codes of the book a filter admits, in the order of the code.
QStringList bookCodes(const mss::search::RowFilter& filter) {
    QStringList codes;
    for (const auto& row : shippedIndex()->rows())
        if (filter.admits(row)) codes << QString::fromStdString(row.code);
    return codes;
}

}  // namespace

class SearchWindowTest : public QObject {
    Q_OBJECT

    WindowFixture w;

    // Opens the search from the main window with Ctrl+F, as the learner does.
    SearchWindow* openWithCtrlF() {
        w.window->activateWindow();
        if (!QTest::qWaitForWindowActive(w.window.get())) return nullptr;
        QTest::keyClick(w.window.get(), Qt::Key_F, Qt::ControlModifier);
        return SearchWindow::current();
    }

    // Opens the search on `index` and types `query` into its field.
    SearchWindow* searchFor(const QString& query,
                            std::shared_ptr<const mss::search::SearchIndex> index = shippedIndex()) {
        SearchWindow* s = mss::forms::openSearch(*w.window, std::move(index), shippedBook());
        if (!QTest::qWaitForWindowExposed(s)) return nullptr;
        s->field()->clear();
        typeInto(s->field(), query);
        return s;
    }

private Q_SLOTS:
    void initTestCase() { mss::forms::prepareApplication(); }
    void init() {
        QVERIFY(w.open());
        mss::forms::offerSearch(*w.window, shippedBook());
    }
    void cleanup() {
        delete SearchWindow::current();
        w.window.reset();
    }

    // Where a window goes so that its frame is wholly on the screen.
    void aFrameIsFittedWithinTheScreen_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("placed");
        QTest::addColumn<bool>("shortenFirst");
        const QRect screen(0, 0, 1600, 1000);
        QTest::newRow("on the screen already") << QRect(900, 100, 500, 493) << QSize(300, 200) << screen
                                               << QRect(900, 100, 500, 493) << false;
        QTest::newRow("its foot under the screen's edge: moved up")
            << QRect(700, 522, 500, 493) << QSize(300, 200) << screen << QRect(700, 507, 500, 493) << false;
        QTest::newRow("off at the right and the top") << QRect(1300, -20, 500, 400) << QSize(300, 200) << screen
                                                      << QRect(1100, 0, 500, 400) << false;
        QTest::newRow("taller than the screen: shorter") << QRect(100, 50, 500, 1200) << QSize(300, 200) << screen
                                                         << QRect(100, 0, 500, 1000) << false;
        QTest::newRow("a panel at the top") << QRect(100, 0, 500, 400) << QSize(300, 200) << QRect(0, 40, 1600, 960)
                                            << QRect(100, 40, 500, 400) << false;
        QTest::newRow("a second screen to the left") << QRect(-300, 700, 500, 400) << QSize(300, 200)
                                                     << QRect(-1280, 0, 1280, 1024) << QRect(-500, 624, 500, 400) << false;
        QTest::newRow("larger than the screen can shrink: its caption on it")
            << QRect(-10, -10, 900, 700) << QSize(700, 600) << QRect(0, 0, 640, 450) << QRect(0, 0, 702, 625) << false;
        QTest::newRow("its foot under the screen's edge, its top kept: shorter")
            << QRect(700, 522, 500, 493) << QSize(300, 200) << screen << QRect(700, 522, 500, 478) << true;
        QTest::newRow("its top kept down to its least height, then moved up")
            << QRect(700, 800, 500, 493) << QSize(300, 200) << screen << QRect(700, 775, 500, 225) << true;
        QTest::newRow("its top kept, off at the top: at the top") << QRect(100, -30, 500, 400) << QSize(300, 200)
                                                                  << screen << QRect(100, 0, 500, 400) << true;
    }
    void aFrameIsFittedWithinTheScreen() {
        QFETCH(QRect, frame);
        QFETCH(QSize, minimum);
        QFETCH(QRect, available);
        QFETCH(QRect, placed);
        QFETCH(bool, shortenFirst);
        const QMargins margins(1, 24, 1, 1);  // a caption and thin borders
        using mss::forms::FitOnScreen;
        QCOMPARE(mss::forms::wholeFrameWithin(frame, margins, minimum, available,
                                              shortenFirst ? FitOnScreen::ShortenFirst : FitOnScreen::MoveIn),
                 placed);
    }

    void opensWhollyOnTheScreen() {
        // Run on a real X server under a window manager (1600 x 1000), where
        // the frame comes once the window is shown, as well as here.
        SearchWindow* s = openWithCtrlF();
        QVERIFY(s);
        QVERIFY(QTest::qWaitForWindowExposed(s));
        if (QGuiApplication::platformName() == QStringLiteral("xcb")) QTRY_VERIFY(s->frameGeometry() != s->geometry());
        const QRect available = s->screen()->availableGeometry();
        QTRY_VERIFY2(available.contains(s->frameGeometry()),
                     qPrintable(QStringLiteral("frame %1,%2 %3x%4 on %5x%6")
                                    .arg(s->frameGeometry().x()).arg(s->frameGeometry().y())
                                    .arg(s->frameGeometry().width()).arg(s->frameGeometry().height())
                                    .arg(available.width()).arg(available.height())));
        // The line under the buttons, last in the window, is on the screen.
        const QWidget* foot = s->sheetOutput();
        QVERIFY(available.contains(QRect(foot->mapToGlobal(QPoint(0, 0)), foot->size())));
        // Over the main window, it leaves the meaning line in sight.
        const QWidget* line = w.window->meaningLine().list(CodeList::SingleLetter);
        const int lineFoot = line->mapToGlobal(QPoint(0, line->height())).y() - w.window->frameGeometry().top();
        if (s->frameGeometry().intersects(w.window->frameGeometry()))
            QVERIFY(s->frameGeometry().top() >= w.window->frameGeometry().top() + lineFoot);

        // The main window low on the screen: under its meaning line there is
        // room for the search's least height, but not for its frame as well.
        const int least = s->minimumHeight();
        const int frameHeight = s->frameGeometry().height() - s->height();
        delete s;
        const int mainTop = available.bottom() + 1 - (least + frameHeight / 2) - 8 - lineFoot;
        QVERIFY(mainTop >= available.top());
        w.window->move(w.window->frameGeometry().left(), mainTop);
        QTRY_COMPARE(w.window->frameGeometry().top(), mainTop);
        s = openWithCtrlF();
        QVERIFY(s);
        QVERIFY(QTest::qWaitForWindowExposed(s));
        if (QGuiApplication::platformName() == QStringLiteral("xcb")) QTRY_VERIFY(s->frameGeometry() != s->geometry());
        QTRY_VERIFY2(available.contains(s->frameGeometry()),
                     qPrintable(QStringLiteral("frame %1,%2 %3x%4 on %5x%6, least height %7")
                                    .arg(s->frameGeometry().x()).arg(s->frameGeometry().y())
                                    .arg(s->frameGeometry().width()).arg(s->frameGeometry().height())
                                    .arg(available.width()).arg(available.height()).arg(least)));
        QVERIFY(s->height() >= least);
        if (const QString dir = qEnvironmentVariable("MSS65_SCREENSHOTS"); !dir.isEmpty())
            s->screen()->grabWindow(0).save(QDir(dir).filePath(QStringLiteral("search-on-the-screen.png")));
    }

    void ctrlFOpensOneSearchWindowAndRaisesIt() {
        QVERIFY(!SearchWindow::current());
        SearchWindow* s = openWithCtrlF();
        QVERIFY(s);
        QVERIFY(QTest::qWaitForWindowExposed(s));
        QCOMPARE(s->windowTitle(), QStringLiteral("Поиск сигнала"));
        QVERIFY(!s->parentWidget());
        QVERIFY(!s->isModal());
        // Nothing typed: the whole book.
        QCOMPARE(s->model().rowCount(), 1899);
        QVERIFY(s->summary()->text().startsWith(QStringLiteral("В списке: 1899. Введите слова из значения ")));
        if (const QString dir = qEnvironmentVariable("MSS65_SCREENSHOTS"); !dir.isEmpty())
            s->grab().save(QDir(dir).filePath(QStringLiteral("search-book.png")));
        typeInto(s->field(), QStringLiteral("якорем"));

        // A second Ctrl+F raises the same window, with what was typed.
        QCOMPARE(openWithCtrlF(), s);
        QCOMPARE(s->field()->text(), QStringLiteral("якорем"));
        int searchWindows = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (dynamic_cast<SearchWindow*>(top)) ++searchWindows;
        QCOMPARE(searchWindows, 1);
        if (const QString dir = qEnvironmentVariable("MSS65_SCREENSHOTS"); !dir.isEmpty())
            s->grab().save(QDir(dir).filePath(QStringLiteral("search.png")));

        // Escape closes it; the main window goes on.
        QTest::keyClick(s->field(), Qt::Key_Escape);
        QTRY_VERIFY(!SearchWindow::current());
        QVERIFY(w.window->isVisible());
    }

    void typingListsTheSignalsWithTheMatchedWords_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("code");    // a result that must be listed
        QTest::addColumn<bool>("first");      // and be the first
        QTest::addColumn<QStringList>("marked");  // what its meaning highlights
        QTest::newRow("word form") << QStringLiteral("якорем") << QStringLiteral("RA") << false
                                   << QStringList{QStringLiteral("якорь")};
        QTest::newRow("code in Cyrillic") << QStringLiteral("ае1") << QStringLiteral("AE1") << true << QStringList{};
        QTest::newRow("medical code") << QStringLiteral("маа") << QStringLiteral("MAA") << true << QStringList{};
        QTest::newRow("table row") << QStringLiteral("ii 3") << QStringLiteral("II-3") << true << QStringList{};
        // A letter twice: flown with a substitute, a flag past the 36 of one set.
        QTest::newRow("repeated letter") << QStringLiteral("qq") << QStringLiteral("QQ") << true << QStringList{};
        QTest::newRow("word being typed") << QStringLiteral("лоц") << QStringLiteral("H") << true
                                          << QStringList{QStringLiteral("лоц")};
        QTest::newRow("everyday word") << QStringLiteral("доктор") << QStringLiteral("AN") << true
                                       << QStringList{QStringLiteral("врач")};
    }
    void typingListsTheSignalsWithTheMatchedWords() {
        QFETCH(QString, query);
        QFETCH(QString, code);
        QFETCH(bool, first);
        QFETCH(QStringList, marked);
        SearchWindow* s = searchFor(query);
        QVERIFY(s);
        const QStringList codes = listedCodes(s);
        QVERIFY2(codes.contains(code), qPrintable(codes.join(u' ')));
        if (first) QCOMPARE(codes.front(), code);
        const auto& found = s->model().signalAt(static_cast<int>(codes.indexOf(code)));
        QCOMPARE(highlighted(found), marked);
        QCOMPARE(s->summary()->text(), QStringLiteral("Найдено: %1").arg(codes.size()));
        // The first result is chosen, for Enter.
        QCOMPARE(s->results()->currentIndex().row(), 0);
        // The list draws what it lists.
        QVERIFY(!s->results()->viewport()->grab().isNull());
        // The hoist as one set flies it: a table row its digit's pennant.
        QCOMPARE(found.flags, mss::codebook::SignalCode::parse(code.toStdString())->hoistFlags());
        if (code.contains(u'-')) {
            QCOMPARE(found.flags, std::vector<int>{mss::codebook::flagIndexOfSymbol('3').value()});
            QCOMPARE(found.section, QStringLiteral("Таблица II"));
        } else {
            QCOMPARE(static_cast<qsizetype>(found.flags.size()), code.size());
        }
    }

    void emptyFieldListsTheBookAndNoMatchSaysSo() {
        SearchWindow* s = searchFor(QStringLiteral("якорь"));
        QVERIFY(s);
        QVERIFY(s->model().rowCount() > 0);
        QVERIFY(!s->model().listsBook());
        s->field()->clear();
        QCOMPARE(s->model().rowCount(), 1899);
        QVERIFY(s->model().listsBook());
        QVERIFY(s->summary()->text().startsWith(QStringLiteral("В списке: 1899. Введите слова")));
        typeInto(s->field(), QStringLiteral("   "));
        QCOMPARE(s->model().rowCount(), 1899);
        s->field()->clear();
        typeInto(s->field(), QStringLiteral("абракадабра"));
        QCOMPARE(s->model().rowCount(), 0);
        QCOMPARE(s->summary()->text(),
                 QStringLiteral("Ничего не найдено. Проверьте написание или введите начало слова."));
    }

    void theEmptyWindowListsTheWholeBookInItsOrder() {
        SearchWindow* s = searchFor(QString());
        QVERIFY(s);
        const QStringList codes = listedCodes(s);
        QCOMPARE(codes.size(), 1899);
        // Every code of the book once.
        QSet<QString> ofTheBook;
        for (const auto& row : mss::search::searchRowsOf(shippedBook())) ofTheBook << QString::fromStdString(row.code);
        QCOMPARE(QSet<QString>(codes.begin(), codes.end()), ofTheBook);
        QCOMPARE(ofTheBook.size(), codes.size());
        // Section by section: single letters first, the tables last, written «I-3».
        QCOMPARE(codes.front(), QStringLiteral("A"));
        QCOMPARE(codes.back(), QStringLiteral("III-9"));
        QVERIFY(codes.indexOf(QStringLiteral("Z")) < codes.indexOf(QStringLiteral("AA")));
        QVERIFY(codes.indexOf(QStringLiteral("ZZ1")) < codes.indexOf(QStringLiteral("MAA")));
        QVERIFY(codes.indexOf(QStringLiteral("MZZ")) < codes.indexOf(QStringLiteral("I-1")));
        for (int row = 1; row < codes.size(); ++row)
            QVERIFY2(s->model().signalAt(row - 1).sectionId <= s->model().signalAt(row).sectionId,
                     qPrintable(codes.at(row)));
        // Every row as the search lists it: its hoist, section, meaning and mark.
        for (const int row : {0, 100, 1500, 1888}) {
            const auto& listed = s->model().signalAt(row);
            const auto& book = shippedIndex()->rows()[static_cast<std::size_t>(row)];
            QCOMPARE(listed.flags, mss::codebook::SignalCode::parse(book.code)->hoistFlags());
            QCOMPARE(listed.meaning, QString::fromStdString(book.text));
            QCOMPARE(listed.reconstructed, book.reconstructed);
            QVERIFY(listed.highlights.empty());
        }
        // The first row is the one Enter shows, and nothing is selected.
        QCOMPARE(s->results()->currentIndex().row(), 0);
        QVERIFY(!s->results()->selectionModel()->hasSelection());
        // The list draws what it lists, at the top and at the end.
        QVERIFY(!s->results()->viewport()->grab().isNull());
        s->results()->scrollToBottom();
        QVERIFY(!s->results()->viewport()->grab().isNull());
    }

    // The two lists over the rows: a part of the book, then a letter or a table.
    void filtersNarrowTheBook_data() {
        using mss::search::LetterPlace;
        using mss::search::RowFilter;
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("narrowing");
        QTest::addColumn<QString>("narrowingLabel");
        QTest::addColumn<RowFilter>("listed");  // what must be listed
        QTest::addColumn<int>("count");
        QTest::newRow("everything") << QStringLiteral("Все") << QStringLiteral("Все буквы") << QStringLiteral("&Буква:")
                                    << RowFilter() << 1899;
        QTest::newRow("first letter M anywhere") << QStringLiteral("Все") << QStringLiteral("M")
                                                 << QStringLiteral("&Буква:") << RowFilter().withLetter('M') << -1;
        QTest::newRow("single letters") << QStringLiteral("Однобуквенные") << QStringLiteral("Все буквы")
                                        << QStringLiteral("&Буква:") << RowFilter({Section::SingleLetter}) << 25;
        QTest::newRow("general") << QStringLiteral("Общий раздел") << QStringLiteral("Все буквы")
                                 << QStringLiteral("&Буква:") << RowFilter({Section::General}) << 1403;
        QTest::newRow("general, R") << QStringLiteral("Общий раздел") << QStringLiteral("R") << QStringLiteral("&Буква:")
                                    << RowFilter({Section::General}).withLetter('R') << -1;
        QTest::newRow("medical, after M A")
            << QStringLiteral("Медицинский") << QStringLiteral("A") << QStringLiteral("&Буква после M:")
            << RowFilter({Section::Medical}).withLetter('A', LetterPlace::AfterMedicalM) << -1;
        QTest::newRow("tables") << QStringLiteral("Таблицы дополнений") << QStringLiteral("Все таблицы")
                                << QStringLiteral("&Таблица:")
                                << RowFilter({Section::TableI, Section::TableII, Section::TableIII}) << 29;
        QTest::newRow("table II") << QStringLiteral("Таблицы дополнений") << QStringLiteral("Таблица II")
                                  << QStringLiteral("&Таблица:") << RowFilter({Section::TableII}) << 10;
    }
    void filtersNarrowTheBook() {
        QFETCH(QString, part);
        QFETCH(QString, narrowing);
        QFETCH(QString, narrowingLabel);
        QFETCH(mss::search::RowFilter, listed);
        QFETCH(int, count);
        SearchWindow* s = searchFor(QString());
        QVERIFY(s);
        s->partList()->setCurrentText(part);
        QCOMPARE(s->partList()->currentText(), part);
        // A new part offers its own letters, from «all» on.
        QCOMPARE(s->narrowingList()->currentIndex(), 0);
        s->narrowingList()->setCurrentText(narrowing);
        QCOMPARE(s->narrowingList()->currentText(), narrowing);
        // A screen reader hears each list with its label.
        QCOMPARE(labelOf(s->narrowingList()), QString(narrowingLabel).remove(u'&'));

        const QStringList expected = bookCodes(listed);
        QVERIFY(!expected.isEmpty());
        if (count >= 0) QCOMPARE(expected.size(), count);
        QCOMPARE(listedCodes(s), expected);
        QCOMPARE(s->selectedOrShownCodes(), expected);
        QCOMPARE(s->summary()->text().section(u'.', 0, 0), QStringLiteral("В списке: %1").arg(expected.size()));
        // Table rows are written with their table's number: «I-3 — …».
        if (part == QStringLiteral("Таблицы дополнений")) {
            static const QRegularExpression tableRow(QStringLiteral("^(I|II|III)-[0-9]$"));
            for (const QString& code : expected) QVERIFY2(tableRow.match(code).hasMatch(), qPrintable(code));
            const auto spoken = s->model().data(s->model().index(0), Qt::AccessibleTextRole).toString();
            QVERIFY2(spoken.startsWith(expected.front() + QStringLiteral(", Таблица I")), qPrintable(spoken));
        }
    }

    void theLettersOfferedAreThoseThePartHas() {
        SearchWindow* s = searchFor(QString());
        QVERIFY(s);
        const auto offered = [s] {
            QStringList items;
            for (int i = 0; i < s->narrowingList()->count(); ++i) items << s->narrowingList()->itemText(i);
            return items;
        };
        s->partList()->setCurrentText(QStringLiteral("Медицинский"));
        QStringList afterM;
        for (const auto& row : shippedIndex()->rows())
            if (row.section == Section::Medical && !afterM.contains(QChar::fromLatin1(row.code[1])))
                afterM << QString(QChar::fromLatin1(row.code[1]));
        afterM.sort();
        QCOMPARE(offered(), QStringList{QStringLiteral("Все буквы")} + afterM);
        s->partList()->setCurrentText(QStringLiteral("Таблицы дополнений"));
        QCOMPARE(offered(), (QStringList{QStringLiteral("Все таблицы"), QStringLiteral("Таблица I"),
                                         QStringLiteral("Таблица II"), QStringLiteral("Таблица III")}));
        s->partList()->setCurrentText(QStringLiteral("Общий раздел"));
        QCOMPARE(offered().size(), 1 + 26);
    }

    void typingSearchesWithinTheFilter() {
        SearchWindow* s = searchFor(QStringLiteral("якорь"));
        QVERIFY(s);
        const QStringList everywhere = listedCodes(s);
        QVERIFY(everywhere.contains(QStringLiteral("RA")));

        // Within the general codes of R: only those, RA among them, in the same order.
        s->partList()->setCurrentText(QStringLiteral("Общий раздел"));
        s->narrowingList()->setCurrentText(QStringLiteral("R"));
        QCOMPARE(s->field()->text(), QStringLiteral("якорь"));
        const QStringList ofR = listedCodes(s);
        QVERIFY(ofR.contains(QStringLiteral("RA")));
        for (const QString& code : ofR) QVERIFY2(code.startsWith(u'R') && code.size() <= 3, qPrintable(code));
        QCOMPARE(s->summary()->text(), QStringLiteral("Найдено: %1").arg(ofR.size()));
        // Typed further, still within it.
        s->field()->clear();
        typeInto(s->field(), QStringLiteral("ra"));
        QCOMPARE(listedCodes(s).front(), QStringLiteral("RA"));
        // A code of another part is not found here, and the window says where it looked.
        s->field()->clear();
        typeInto(s->field(), QStringLiteral("ae1"));
        QCOMPARE(s->model().rowCount(), 0);
        QCOMPARE(s->summary()->text(), QStringLiteral("Среди выбранных сигналов ничего не найдено. "
                                                      "Выберите раздел «Все» или проверьте написание."));
        // «Все» takes every letter again.
        s->partList()->setCurrentText(QStringLiteral("Все"));
        QCOMPARE(s->narrowingList()->currentText(), QStringLiteral("Все буквы"));
        QCOMPARE(listedCodes(s).front(), QStringLiteral("AE1"));
        // The medical section hears an everyday word as well.
        s->partList()->setCurrentText(QStringLiteral("Медицинский"));
        s->field()->clear();
        typeInto(s->field(), QStringLiteral("ожог"));
        QVERIFY(s->model().rowCount() > 0);
        for (const QString& code : listedCodes(s)) QVERIFY2(code.startsWith(u'M') && code.size() == 3, qPrintable(code));
    }

    // How the learner chooses a result: keys from the field, or the mouse.
    void showingAResultIsTypingItsCode_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("downs");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QString>("before");  // typed on the main window first
        QTest::newRow("Down and Enter") << QStringLiteral("якорем") << 1 << false << QString();
        QTest::newRow("double click") << QStringLiteral("якорем") << 1 << true << QString();
        QTest::newRow("single letter") << QStringLiteral("водолаз") << 0 << false << QStringLiteral("JO5");
        QTest::newRow("medical after general") << QStringLiteral("mvu") << 0 << false << QStringLiteral("QS3");
        QTest::newRow("table row") << QStringLiteral("iii-9") << 0 << false << QStringLiteral("MLQ");
        QTest::newRow("third result by double click") << QStringLiteral("таблице") << 2 << true << QStringLiteral("A");
        QTest::newRow("the whole book, Down thrice") << QString() << 3 << false << QStringLiteral("AE1");
        QTest::newRow("the whole book, double click") << QString() << 5 << true << QString();
    }
    void showingAResultIsTypingItsCode() {
        QFETCH(QString, query);
        QFETCH(int, downs);
        QFETCH(bool, doubleClick);
        QFETCH(QString, before);
        // The slide-show stops: its ticks are no part of what is compared.
        w.choose(Section::SingleLetter);
        if (!before.isEmpty()) {
            SearchWindow* s = searchFor(before);
            QVERIFY(s);
            QTest::keyClick(s->field(), Qt::Key_Return);
        }
        SearchWindow* s = searchFor(query);
        QVERIFY(s);
        QVERIFY(s->model().rowCount() > downs);
        const QString code = s->model().signalAt(downs).code;
        const auto meaning = mss::codebook::meaningOf(shippedBook(), code.toStdString());
        QVERIFY(meaning);

        // What typing the code would give, from the state the window is in.
        mss::engine::Engine typed = w.window->engine();
        typeAsALearner(typed, *meaning);

        if (doubleClick) {
            QListView* list = s->results();
            const QModelIndex item = s->model().index(downs);
            list->scrollTo(item);
            QTRY_VERIFY(list->viewport()->rect().contains(list->visualRect(item).center()));
            // A double click: a click, then the second press that makes it double.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
        } else {
            for (int i = 0; i < downs; ++i) QTest::keyClick(s->field(), Qt::Key_Down);
            QCOMPARE(s->results()->currentIndex().row(), downs);
            QTest::keyClick(s->field(), Qt::Key_Return);
        }
        QCOMPARE(QString::fromStdString(mss::scenario::describe(w.window->engine())),
                 QString::fromStdString(mss::scenario::describe(typed)));
        // On screen: the code's flags in the hoist and its meaning in the line.
        if (!mss::codebook::isComplementTable(meaning->section)) QCOMPARE(hoistOnScreen(w), code);
        QCOMPARE(meaningOnScreen(w), QString::fromStdString(std::string(meaning->text)));
        QVERIFY(w.keyboardOnView());
        // The search stays open for the next one.
        QCOMPARE(SearchWindow::current(), s);
        QVERIFY(s->isVisible());
        QCOMPARE(s->field()->text(), query);
    }

    void reconstructedTextHasItsMarkAndTooltip() {
        // A row written without a printed source, and one quoted from the book.
        QString recalled, quoted;
        for (const auto& row : mss::search::searchRowsOf(shippedBook()))
            (row.reconstructed ? recalled : quoted) = QString::fromStdString(row.code);
        QVERIFY(!recalled.isEmpty() && !quoted.isEmpty());

        for (const QString& code : {recalled, quoted}) {
            SearchWindow* s = searchFor(code);
            QVERIFY(s);
            QCOMPARE(s->model().signalAt(0).code, code);
            const bool reconstructed = code == recalled;
            QCOMPARE(s->model().signalAt(0).reconstructed, reconstructed);
            QCOMPARE(s->model().data(s->model().index(0), Qt::AccessibleTextRole).toString().contains(
                         QStringLiteral("текст восстановлен")),
                     reconstructed);

            // The mark is drawn in the bright colour of the matched words.
            QListView* list = s->results();
            const QRect mark = s->delegate().markRect(list->visualRect(s->model().index(0)));
            const QImage shot = list->viewport()->grab().toImage();
            bool bright = false;
            for (int y = mark.top(); y <= mark.bottom(); ++y)
                for (int x = mark.left(); x <= mark.right(); ++x)
                    bright = bright || shot.pixelColor(x * shot.width() / list->viewport()->width(),
                                                       y * shot.height() / list->viewport()->height()) ==
                                           mss::look::kGlint;
            QCOMPARE(bright, reconstructed);

            // Its tooltip, on the mark only; elsewhere the row's own.
            QToolTip::hideText();
            QHelpEvent onMark(QEvent::ToolTip, mark.center(), list->viewport()->mapToGlobal(mark.center()));
            QApplication::sendEvent(list->viewport(), &onMark);
            QTRY_COMPARE(QToolTip::text(), reconstructed
                                               ? QStringLiteral("Текст восстановлен; сверьте с печатным изданием")
                                               : mss::forms::rowToolTip(s->model().signalAt(0)));
            // Beside it, the row's own: the whole meaning and the flags.
            const QPoint beside(mark.left() - 40, mark.center().y());
            QHelpEvent offMark(QEvent::ToolTip, beside, list->viewport()->mapToGlobal(beside));
            QApplication::sendEvent(list->viewport(), &offMark);
            QTRY_COMPARE(QToolTip::text(), mss::forms::rowToolTip(s->model().signalAt(0)));
        }
    }

    void atMostTwoHundredAreListedAndTheTotalIsSaid_data() {
        QTest::addColumn<int>("matching");
        QTest::addColumn<QString>("summary");
        QTest::newRow("1") << 1 << QStringLiteral("Найдено: 1");
        QTest::newRow("200") << 200 << QStringLiteral("Найдено: 200");
        QTest::newRow("201") << 201 << QStringLiteral("Показаны первые 200 из 201");
        QTest::newRow("250") << 250 << QStringLiteral("Показаны первые 200 из 250");
    }
    void atMostTwoHundredAreListedAndTheTotalIsSaid() {
        QFETCH(int, matching);
        QFETCH(QString, summary);
        // `matching` rows about an anchor among rows about something else.
        std::vector<mss::search::SearchRow> rows;
        for (int i = 0; i < 300; ++i) {
            const std::string code = std::string(1, char('A' + i / 26 % 26)) + char('A' + i % 26);
            rows.push_back({code, Section::General, i < matching ? "Отдать якорь" : "Поднять флаг", false});
        }
        SearchWindow* s = searchFor(QStringLiteral("якорь"), std::make_shared<const mss::search::SearchIndex>(rows));
        QVERIFY(s);
        QCOMPARE(s->model().rowCount(), std::min(matching, 200));
        QCOMPARE(s->summary()->text(), summary);
        QCOMPARE(s->model().total(), static_cast<std::size_t>(matching));
    }

    void aMistypedWordIsPutRightAboveTheList() {
        SearchWindow* s = searchFor(QStringLiteral("человек за бртом"));
        QVERIFY(s);
        QVERIFY(s->correction()->isVisible());
        QCOMPARE(s->correction()->text(), QStringLiteral("Показаны результаты для: человек за бортом"));
        QCOMPARE(listedCodes(s).front(), QStringLiteral("O"));
        QCOMPARE(highlighted(s->model().signalAt(0)), (QStringList{QStringLiteral("Человек"), QStringLiteral("за"),
                                                                   QStringLiteral("бортом")}));
        // Above the list, under the count; a screen reader hears it with the count.
        QVERIFY(s->correction()->geometry().bottom() < s->results()->geometry().top());
        QVERIFY(s->correction()->geometry().top() > s->summary()->geometry().bottom());
        QVERIFY(s->results()->accessibleDescription().endsWith(s->correction()->text()));
        // Typed right, nothing to say.
        s->field()->clear();
        typeInto(s->field(), QStringLiteral("человек за бортом"));
        QVERIFY(!s->correction()->isVisible());
        QCOMPARE(s->results()->accessibleDescription(), s->summary()->text());
    }

    void aTypedMessageIsReadAboveTheList() {
        SearchWindow* s = searchFor(QStringLiteral("c045 s12"));
        QVERIFY(s);
        QVERIFY(s->reading()->isVisible());
        QCOMPARE(s->reading()->text(), QStringLiteral("C045 — курс 045°\nS12 — скорость 12 узлов"));
        // Above the list; a screen reader hears it with the count.
        QVERIFY(s->reading()->geometry().bottom() < s->results()->geometry().top());
        QVERIFY(s->results()->accessibleDescription().endsWith(s->reading()->text()));
        // A time out of range is said, not read as another.
        s->field()->clear();
        typeInto(s->field(), QStringLiteral("T2460"));
        QVERIFY(s->reading()->isVisible());
        QVERIFY(s->reading()->text().startsWith(QStringLiteral("T2460 — не читается: ")));
        // Words, or a code the list finds by itself, have nothing to read.
        for (const QString& typed : {QStringLiteral("якорь"), QStringLiteral("AE1")}) {
            s->field()->clear();
            typeInto(s->field(), typed);
            QVERIFY2(!s->reading()->isVisible(), qPrintable(typed));
            QCOMPARE(s->results()->accessibleDescription(), s->summary()->text());
        }
        // Cleared, nothing is left.
        s->field()->clear();
        QVERIFY(!s->reading()->isVisible());
    }

    void rowsAreOneLineAndALongMeaningIsWholeInItsTooltip() {
        // Short meanings, and one far too long for a line.
        const std::string longMeaning =
            "Пожар в машинном отделении распространяется, я не могу локализовать его без посторонней помощи, "
            "держитесь в стороне от меня";
        const auto index = std::make_shared<const mss::search::SearchIndex>(std::vector<mss::search::SearchRow>{
            {"IT", Section::General, "У меня пожар.", false},
            {"IZ", Section::General, "Пожар потушен.", false},
            {"IX", Section::General, longMeaning, false},
            {"RA", Section::General, "Мой якорь нечист.", false},
            {"RB", Section::General, "Мой якорь ползет.", false},
        });
        SearchWindow* s = searchFor(QStringLiteral("пожар"), index);
        QVERIFY(s);
        QCOMPARE(s->model().rowCount(), 3);
        const auto heights = [s] {
            QSet<int> h;
            for (int row = 0; row < s->model().rowCount(); ++row)
                h << s->results()->visualRect(s->model().index(row)).height();
            return h;
        };
        const QSet<int> withLong = heights();
        QCOMPARE(withLong.size(), 1);
        int longRow = -1;
        for (int row = 0; row < s->model().rowCount(); ++row)
            if (s->model().signalAt(row).code == QStringLiteral("IX")) longRow = row;
        QVERIFY(longRow >= 0);
        const auto found = s->model().signalAt(longRow);
        const QRect rowRect = s->results()->visualRect(s->model().index(longRow));

        // Cut with an ellipsis, the matched word still marked.
        const QString shown = s->delegate().meaningShown(found, rowRect);
        QVERIFY2(shown.endsWith(u'…') && shown.size() < found.meaning.size(), qPrintable(shown));
        QVERIFY(found.meaning.startsWith(shown.chopped(1)));
        QCOMPARE(highlighted(found), QStringList{QStringLiteral("Пожар")});
        // A short one whole.
        const auto& whole = s->model().signalAt(longRow == 0 ? 1 : 0);
        QCOMPARE(s->delegate().meaningShown(whole, rowRect), whole.meaning);

        // The tooltip of the row holds it whole, and how it is hoisted.
        const QString tip = s->model().data(s->model().index(longRow), Qt::ToolTipRole).toString();
        QCOMPARE(tip, QString::fromStdString(longMeaning) +
                          QStringLiteral("\nПоднимают: Индиа (I, ··), Эксрэй (X, −··−)"));
        QToolTip::hideText();
        QListView* list = s->results();
        const QPoint onMeaning = s->delegate().meaningRect(rowRect).center();
        QHelpEvent hover(QEvent::ToolTip, onMeaning, list->viewport()->mapToGlobal(onMeaning));
        QApplication::sendEvent(list->viewport(), &hover);
        QTRY_COMPARE(QToolTip::text(), tip);

        // Short meanings only, or a narrower window: the same height.
        s->field()->clear();
        typeInto(s->field(), QStringLiteral("якорь"));
        QCOMPARE(s->model().rowCount(), 2);
        QCOMPARE(heights(), withLong);
        s->field()->clear();
        typeInto(s->field(), QStringLiteral("пожар"));
        s->resize(s->minimumWidth(), s->height());
        QTRY_VERIFY(s->results()->visualRect(s->model().index(longRow)).width() < rowRect.width());
        QCOMPARE(heights(), withLong);
        const QString narrower =
            s->delegate().meaningShown(found, s->results()->visualRect(s->model().index(longRow)));
        QVERIFY2(narrower.size() < shown.size(), qPrintable(narrower));
    }

    // Each row's tooltip: the whole meaning, then its flags as flown, each
    // with its Morse; a screen reader hears the same flags with the row.
    void tooltipsNameTheFlagsWithTheirMorse_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("hoisted");
        QTest::newRow("a substitute") << QStringLiteral("MAA")
                                      << QStringLiteral("Поднимают: Майк (M, −−), Алфа (A, ·−), "
                                                        "2-й заменяющий (повторяет A)");
        QTest::newRow("letters and a pennant")
            << QStringLiteral("AE1") << QStringLiteral("Поднимают: Алфа (A, ·−), Эко (E, ·), Унауан (1, ·−−−−)");
        QTest::newRow("a single letter") << QStringLiteral("E") << QStringLiteral("Поднимают: Эко (E, ·)");
        QTest::newRow("a row of a table") << QStringLiteral("I-3")
                                          << QStringLiteral("Поднимают после сигнала: Тэратри (3, ···−−)");
    }
    void tooltipsNameTheFlagsWithTheirMorse() {
        QFETCH(QString, code);
        QFETCH(QString, hoisted);
        SearchWindow* s = searchFor(code);
        QVERIFY(s);
        QCOMPARE(s->model().signalAt(0).code, code);
        const QModelIndex first = s->model().index(0);
        const auto meaning = mss::codebook::meaningOf(shippedBook(), code.toStdString());
        QVERIFY(meaning);
        QCOMPARE(s->model().data(first, Qt::ToolTipRole).toString(),
                 QString::fromStdString(std::string(meaning->text)) + u'\n' + hoisted);
        QCOMPARE(s->model().data(first, Qt::AccessibleDescriptionRole).toString(),
                 hoisted.section(QStringLiteral(": "), 1));
    }

    // MLG, as the international edition codes our MLQ, lists MLQ; its row
    // tells so in its tooltip and to a screen reader, MLQ's neighbours do not.
    void theInternationalCodeListsOurSignalWithItsNote() {
        SearchWindow* s = searchFor(QStringLiteral("MLG"));
        QVERIFY(s);
        QCOMPARE(s->model().signalAt(0).code, QStringLiteral("MLQ"));
        const QModelIndex first = s->model().index(0);
        const QString tip = s->model().data(first, Qt::ToolTipRole).toString();
        const QString note = tip.section(u'\n', -1);
        QVERIFY2(note.contains(QStringLiteral("MLG")) && note.contains(QStringLiteral("издании")), qPrintable(tip));
        QVERIFY2(tip.startsWith(s->model().signalAt(0).meaning + u'\n'), qPrintable(tip));
        QVERIFY(s->model().data(first, Qt::AccessibleTextRole).toString().endsWith(note));
        for (const QString& code : {QStringLiteral("MLF"), QStringLiteral("MLH")}) {
            SearchWindow* other = searchFor(code);
            QVERIFY(other);
            QVERIFY2(other->model().signalAt(0).note.isEmpty(), qPrintable(code));
        }
    }

    void theCodesSelectedOrElseAllShown() {
        SearchWindow* s = searchFor(QString());
        QVERIFY(s);
        QListView* list = s->results();
        // Nothing selected: every code listed.
        QCOMPARE(s->selectedOrShownCodes(), bookCodes({}));
        // Down from the field selects the row it moves to.
        QTest::keyClick(s->field(), Qt::Key_Down);
        QCOMPARE(s->selectedOrShownCodes(), QStringList{QStringLiteral("B")});
        // Shift widens the choice; the codes come in the order listed.
        QTest::keyClick(s->field(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(s->field(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(s->selectedOrShownCodes(), (QStringList{QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")}));
        // A Ctrl+click adds a row above them.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualRect(s->model().index(0)).center());
        QCOMPARE(s->selectedOrShownCodes(),
                 (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")}));
        // A new search: nothing selected, every result.
        typeInto(s->field(), QStringLiteral("якорем"));
        QVERIFY(!list->selectionModel()->hasSelection());
        QCOMPARE(s->selectedOrShownCodes(), listedCodes(s));
        QVERIFY(s->selectedOrShownCodes().contains(QStringLiteral("RA")));
        // A filter: the codes it lists.
        s->field()->clear();
        s->partList()->setCurrentText(QStringLiteral("Таблицы дополнений"));
        s->narrowingList()->setCurrentText(QStringLiteral("Таблица II"));
        QStringList tableII;
        for (int digit = 0; digit <= 9; ++digit) tableII << QStringLiteral("II-%1").arg(digit);
        QCOMPARE(s->selectedOrShownCodes(), tableII);
    }

    void screenReaderHearsFieldListAndResults() {
        SearchWindow* s = searchFor(QStringLiteral("ra"));
        QVERIFY(s);
        QCOMPARE(s->field()->accessibleName(), QStringLiteral("Поиск сигнала: слова из значения или код"));
        QCOMPARE(s->results()->accessibleName(), QStringLiteral("Список сигналов"));
        QCOMPARE(s->results()->accessibleDescription(), s->summary()->text());
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(s->results());
        QVERIFY(list);
        QVERIFY(list->childCount() > 0);
        QAccessibleInterface* first = list->child(0);
        QVERIFY(first);
        QCOMPARE(first->text(QAccessible::Name), QStringLiteral("RA, Общий раздел: Мой якорь нечист."));
        QCOMPARE(first->text(QAccessible::Description), QStringLiteral("Роумио (R, ·−·), Алфа (A, ·−)"));
        QCOMPARE(labelOf(s->partList()), QStringLiteral("Раздел:"));
        // The result chosen from the field is read out with the field.
        QCOMPARE(s->field()->accessibleDescription(), first->text(QAccessible::Name));
        s->field()->clear();
        typeInto(s->field(), QStringLiteral("якорем"));
        QVERIFY(list->childCount() > 1);
        QTest::keyClick(s->field(), Qt::Key_Down);
        QCOMPARE(s->field()->accessibleDescription(), list->child(1)->text(QAccessible::Name));
        QVERIFY(s->field()->accessibleDescription().contains(s->model().signalAt(1).meaning));
    }

    void goesWithTheMainWindow() {
        QPointer<SearchWindow> s = openWithCtrlF();
        QVERIFY(s);
        w.window.reset();
        QVERIFY(!s);
        QVERIFY(!SearchWindow::current());
    }
};

QTEST_MAIN(SearchWindowTest)
#include "search_window_test.moc"
