// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/wiring/secondary_windows.h"

#include <QComboBox>
#include <QMessageBox>

#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "asking/set_signals.h"
#include "forms/main/main_window.h"
#include "forms/main/meaning_line.h"
#include "forms/main/show_signal.h"
#include "forms/search/search_window.h"
#include "forms/wiring/drill_exam.h"
#include "progress/default_progress_file.h"
#include "search/book_rows.h"
#include "search/search_index.h"

namespace mss::forms {

namespace {

MainWindowPlace placeOf(const MainWindow& window) {
    const QWidget* line = window.meaningLine().list(codebook::CodeList::SingleLetter);
    return {window.frameGeometry(), line->mapToGlobal(QPoint(0, line->height())).y()};
}

// The learner's progress for a drill window, opened as the window is made.
// The store passes over cards of codes the program does not know.
std::unique_ptr<progress::ProgressStore> openProgress(const codebook::CodeBook& book,
                                                      const DrillWindowOptions& options) {
    auto codesOfSet = [&book](asking::SignalSet set) {
        std::vector<std::string> codes;
        for (const asking::Signal& s : asking::signalsOfSet(book, set)) codes.push_back(s.code);
        return codes;
    };
    const std::filesystem::path file =
        options.progressFile.empty() ? progress::defaultProgressFile() : options.progressFile;
    return std::make_unique<progress::ProgressStore>(file, options.clock, std::move(codesOfSet));
}

DrillWindow* showDrill(const codebook::CodeBook& book, const DrillWindowOptions& options, const MainWindow& window) {
    return DrillWindow::showDrillWindow([&] { return new DrillWindow(book, openProgress(book, options), options); },
                                        &window);
}

}  // namespace

void offerSearch(MainWindow& window, const codebook::CodeBook& book, SheetOutputOptions output) {
    auto index = std::make_shared<std::shared_ptr<const search::SearchIndex>>();
    QObject::connect(
        &window, &MainWindow::searchRequested, &window, [&window, &book, index, output = std::move(output)] {
            if (!*index) {
                try {
                    *index = std::make_shared<const search::SearchIndex>(search::searchRowsOf(book));
                } catch (const std::exception& e) {
                    QMessageBox::warning(&window, QStringLiteral("Поиск сигнала"),
                                         QStringLiteral("Поиск недоступен: %1").arg(QString::fromLocal8Bit(e.what())));
                    return;
                }
            }
            openSearch(window, *index, book, output);
        });
}

SearchWindow* openSearch(MainWindow& window, std::shared_ptr<const search::SearchIndex> index,
                         const codebook::CodeBook& book, const SheetOutputOptions& output) {
    const bool opened = SearchWindow::current() != nullptr;
    SearchWindow* search = SearchWindow::showSearchWindow(std::move(index), book, placeOf(window), output);
    if (opened) return search;
    QObject::connect(search, &SearchWindow::signalChosen, &window, [&window](const QString& code) {
        showSignal(window, code.toStdString());
        if (window.isMinimized()) window.showNormal();
    });
    // Without the main window there is nothing to show a signal on.
    QObject::connect(&window, &QObject::destroyed, search, [search] { delete search; });
    return search;
}

void offerDrill(MainWindow& window, const codebook::CodeBook& book, DrillWindowOptions options) {
    options.makeExam = examPanelMaker(book, options);
    QObject::connect(&window, &MainWindow::drillRequested, &window,
                     [&book, options, &window] { showDrill(book, options, window); });
    // The exam opens in the drill window's place.
    QObject::connect(&window, &MainWindow::examRequested, &window,
                     [&book, options = std::move(options), &window] { showDrill(book, options, window)->openExam(); });
}

}  // namespace mss::forms
