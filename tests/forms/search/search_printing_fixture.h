// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search window opened from the main window by Ctrl+F, as the learner
// opens it, with the file dialog and the warnings answered by the test: it
// notes what the dialog was asked and gives the file the test chose. The
// printing module is the real one unless the test gives a printer of its own.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include "forms/search/sheet_output_bar.h"
#include "forms/search/search_results_model.h"
#include "forms/search/search_window.h"
#include "forms/shared/face_button.h"
#include "forms/window_fixture.h"
#include "forms/wiring/secondary_windows.h"
#include "print/printer_module.h"

namespace mss::testing {

// What the file dialog was asked.
struct FileAsked {
    QString title, suggested;
    QStringList kinds;
    int preferredKind = -1;
};

// What a warning said.
struct Warned {
    QString title, text;
};

class SearchPrintingFixture {
public:
    WindowFixture w;
    QTemporaryDir dir;
    std::vector<FileAsked> fileAsked;
    forms::ChosenFile answer;  // what the dialog gives: a path in `dir`, or nothing
    std::vector<Warned> warnings;
    std::optional<print::PrinterModule> printer;  // in place of the module, when set

    ~SearchPrintingFixture() { delete forms::SearchWindow::current(); }

    // The main window, then the search by Ctrl+F.
    forms::SearchWindow* open() {
        if (!dir.isValid() || !w.open()) return nullptr;
        forms::SheetOutputOptions options;
        options.chooseFile = [this](QWidget*, const QString& title, const QString& suggested, const QStringList& kinds,
                                    int preferredKind) {
            fileAsked.push_back({title, suggested, kinds, preferredKind});
            return answer;
        };
        options.warn = [this](QWidget*, const QString& title, const QString& text) { warnings.push_back({title, text}); };
        if (printer)
            options.printerModule = [this]() -> const print::PrinterModule& { return *printer; };
        forms::offerSearch(*w.window, shippedBook(), options);
        w.window->activateWindow();
        if (!QTest::qWaitForWindowActive(w.window.get())) return nullptr;
        QTest::keyClick(w.window.get(), Qt::Key_F, Qt::ControlModifier);
        forms::SearchWindow* s = forms::SearchWindow::current();
        if (!s || !QTest::qWaitForWindowActive(s)) return nullptr;
        return s;
    }

    QString file(const QString& name) const { return dir.filePath(name); }
    // The files written in `dir`.
    QStringList written() const { return QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot); }

    static forms::SheetOutputBar& bar(const forms::SearchWindow* s) { return *s->sheetOutput(); }
    static QString report(const forms::SearchWindow* s) { return s->sheetOutput()->report()->text(); }

    // Types `text` into the search field key by key, as a keyboard would (Cyrillic too).
    static void type(forms::SearchWindow* s, const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, s->field(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    // Selects the rows `rows` of the list with Ctrl and clicks, as the learner does.
    static void selectRows(forms::SearchWindow* s, std::initializer_list<int> rows) {
        QListView* list = s->results();
        for (int row : rows) {
            list->scrollTo(s->model().index(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              list->visualRect(s->model().index(row)).center());
        }
    }
};

}  // namespace mss::testing
