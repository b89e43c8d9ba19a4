// SPDX-License-Identifier: GPL-3.0-or-later
// The search window «Поиск сигнала»: opened once by Ctrl+F, it lists the
// signals for what is typed, best first, with the matched words marked; Up,
// Down and Enter from the field, or a double click, put a signal up on the
// main window just as typing its code would, and the search stays open.

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QToolTip>

#include <algorithm>
#include <memory>

#include "engine/engine.h"
#include "forms/shared/application_setup.h"
#include "look/look.h"
#include "forms/shared/picture_catalogue.h"
#include "forms/search/search_result_delegate.h"
#include "forms/search/search_results_model.h"
#include "forms/search/search_window.h"
#include "forms/wiring/secondary_windows.h"
#include "search/book_rows.h"
#include "search/search_index.h"
#include "support/learner_typing.h"
#include "support/scenario.h"
#include "forms/window_fixture.h"

using namespace mss::testing;
using mss::forms::SearchWindow;

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

std::shared_ptr<const mss::search::SearchIndex> shippedIndex() {
    static const auto index =
        std::make_shared<const mss::search::SearchIndex>(mss::search::searchRowsOf(shippedBook()));
    return index;
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
        SearchWindow* s = mss::forms::openSearch(*w.window, std::move(index));
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

    void ctrlFOpensOneSearchWindowAndRaisesIt() {
        QVERIFY(!SearchWindow::current());
        SearchWindow* s = openWithCtrlF();
        QVERIFY(s);
        QVERIFY(QTest::qWaitForWindowExposed(s));
        QCOMPARE(s->windowTitle(), QStringLiteral("Поиск сигнала"));
        QVERIFY(!s->parentWidget());
        QVERIFY(!s->isModal());
        QCOMPARE(s->summary()->text().left(26), QStringLiteral("Введите слова из значения "));
        QCOMPARE(s->model().rowCount(), 0);
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
        // A table row names its table instead of flags; a signal shows the flags of its code.
        if (code.contains(u'-')) {
            QVERIFY(found.flags.empty());
            QCOMPARE(found.tableName, QStringLiteral("Таблица II"));
            QCOMPARE(found.section, QStringLiteral("Таблица II"));
        } else {
            QCOMPARE(static_cast<qsizetype>(found.flags.size()), code.size());
        }
    }

    void emptyFieldHintsAndNoMatchSaysSo() {
        SearchWindow* s = searchFor(QStringLiteral("якорь"));
        QVERIFY(s);
        QVERIFY(s->model().rowCount() > 0);
        s->field()->clear();
        QCOMPARE(s->model().rowCount(), 0);
        QVERIFY(s->summary()->text().startsWith(QStringLiteral("Введите слова")));
        typeInto(s->field(), QStringLiteral("   "));
        QVERIFY(s->summary()->text().startsWith(QStringLiteral("Введите слова")));
        s->field()->clear();
        typeInto(s->field(), QStringLiteral("абракадабра"));
        QCOMPARE(s->model().rowCount(), 0);
        QVERIFY(s->summary()->text().startsWith(QStringLiteral("Ничего не найдено")));
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

            // Its tooltip, on the mark only.
            QToolTip::hideText();
            QHelpEvent onMark(QEvent::ToolTip, mark.center(), list->viewport()->mapToGlobal(mark.center()));
            QApplication::sendEvent(list->viewport(), &onMark);
            if (reconstructed)
                QTRY_COMPARE(QToolTip::text(), QStringLiteral("Текст восстановлен; сверьте с печатным изданием"));
            else
                QVERIFY(QToolTip::text().isEmpty());
            const QPoint beside(mark.left() - 40, mark.center().y());
            QHelpEvent offMark(QEvent::ToolTip, beside, list->viewport()->mapToGlobal(beside));
            QApplication::sendEvent(list->viewport(), &offMark);
            QTRY_VERIFY(QToolTip::text().isEmpty());
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

    void rowsShareOneHeightThatHoldsTheLongestMeaning() {
        // Short meanings, and one long enough to take several lines.
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
            QList<int> h;
            for (int row = 0; row < s->model().rowCount(); ++row)
                h << s->results()->visualRect(s->model().index(row)).height();
            return h;
        };
        const QList<int> withLong = heights();
        QVERIFY(std::all_of(withLong.begin(), withLong.end(), [&](int h) { return h == withLong.front(); }));

        // Short meanings only: lower rows.
        s->field()->clear();
        typeInto(s->field(), QStringLiteral("якорь"));
        QCOMPARE(s->model().rowCount(), 2);
        const QList<int> shortOnly = heights();
        QCOMPARE(shortOnly.back(), shortOnly.front());
        QVERIFY2(shortOnly.front() < withLong.front(), qPrintable(QStringLiteral("%1 against %2")
                                                                      .arg(shortOnly.front())
                                                                      .arg(withLong.front())));

        // A narrower window: the long meaning takes more lines, every row grows.
        s->field()->clear();
        typeInto(s->field(), QStringLiteral("пожар"));
        s->resize(s->minimumWidth(), s->height());
        QTRY_VERIFY(heights().front() > withLong.front());
        const QList<int> narrow = heights();
        QVERIFY(std::all_of(narrow.begin(), narrow.end(), [&](int h) { return h == narrow.front(); }));
    }

    void screenReaderHearsFieldListAndResults() {
        SearchWindow* s = searchFor(QStringLiteral("ra"));
        QVERIFY(s);
        QCOMPARE(s->field()->accessibleName(), QStringLiteral("Поиск сигнала: слова из значения или код"));
        QCOMPARE(s->results()->accessibleName(), QStringLiteral("Найденные сигналы"));
        QCOMPARE(s->results()->accessibleDescription(), s->summary()->text());
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(s->results());
        QVERIFY(list);
        QVERIFY(list->childCount() > 0);
        QAccessibleInterface* first = list->child(0);
        QVERIFY(first);
        QCOMPARE(first->text(QAccessible::Name), QStringLiteral("RA, Общий раздел: Мой якорь нечист."));
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
