// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search window «Поиск сигнала»: a field, and under it the signals whose
// meaning has the words typed, or whose code was typed, updated at every key;
// with nothing typed, the whole book, code by code. Two lists narrow both to
// a part of the book and a letter (or a table). Up and Down choose a row
// from the field; Enter or a double click puts the signal up on the main
// window, as if the learner had typed it, and the search stays open for the
// next one; Escape closes it. Rows may be selected with Shift and Ctrl, for
// whatever is done with several at once (selectedOrShownCodes()). Under the
// list, a row of buttons prints and exports cards (sheet_output_bar.h).
//
// One search window for the whole program, never modal and not owned by the
// main window. It knows nothing of the main window: a chosen signal goes out
// as signalChosen, and whoever opens it tells it where the main window is,
// and gives it the code book its cards are made from.

#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

#include "forms/search/book_filters.h"
#include "forms/search/sheet_output_bar.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;

namespace mss::codebook {
class CodeBook;
}
namespace mss::search {
class SearchIndex;
}

namespace mss::forms {

class SearchResultDelegate;
class SearchResultsModel;

// Where the main window stands, so that the search opens beside it.
struct MainWindowPlace {
    QRect frame;
    int belowMeaningLine = 0;  // the screen's y just under its meaning line
};

class SearchWindow : public QWidget {
    Q_OBJECT

public:
    // Creates the search window if there is none (beside the main window),
    // shows it and puts the cursor in its field. An open window keeps the
    // index, the book and the options it was made with. `book` is the one
    // `index` was built from, and must outlive the window.
    static SearchWindow* showSearchWindow(std::shared_ptr<const search::SearchIndex> index,
                                          const codebook::CodeBook& book, const MainWindowPlace& main,
                                          const SheetOutputOptions& output = {});
    // The open search window, or nullptr.
    static SearchWindow* current();

    ~SearchWindow() override;

    QLineEdit* field() const { return field_; }
    // The part of the book («Все», «Общий раздел» …), and the letter or table within it.
    QComboBox* partList() const { return partList_; }
    QComboBox* narrowingList() const { return narrowingList_; }
    QLabel* summary() const { return summary_; }
    // «Показаны результаты для: …» when a word typed was put right; hidden otherwise.
    QLabel* correction() const { return correction_; }
    // A complement or a message typed, read group by group («C045 — курс
    // 045°»); hidden when what is typed is no such message.
    QLabel* reading() const { return reading_; }
    QListView* results() const { return results_; }
    const SearchResultsModel& model() const { return *model_; }
    SearchResultDelegate& delegate() const { return *delegate_; }

    // The codes of the selected rows in the order listed, or of every row
    // listed when none is selected ("AE1", "MAA", "II-3"): what is to be
    // printed or exported when the learner asks for it.
    QStringList selectedOrShownCodes() const;
    // The code of the row in hand (the current row), or nothing.
    QString codeInHand() const;

    // Printing and export of the cards of the rows.
    SheetOutputBar* sheetOutput() const { return sheetOutput_; }

Q_SIGNALS:
    // The learner chose a signal to see on the main window ("AE1", "II-3").
    void signalChosen(const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    SearchWindow(std::shared_ptr<const search::SearchIndex> index, const codebook::CodeBook& book,
                 const SheetOutputOptions& output);
    void search(const QString& query);
    void choosePart(int part);
    const search::RowFilter& filter() const;
    void showResult(int row);
    void placeBeside(const MainWindowPlace& main);

    std::shared_ptr<const search::SearchIndex> index_;
    const codebook::CodeBook* book_ = nullptr;
    QLineEdit* field_ = nullptr;
    QComboBox* partList_ = nullptr;
    QLabel* narrowingLabel_ = nullptr;
    QComboBox* narrowingList_ = nullptr;
    std::vector<NarrowingChoice> narrowings_;  // what narrowingList_ offers
    QLabel* summary_ = nullptr;
    QLabel* correction_ = nullptr;
    QLabel* reading_ = nullptr;
    QListView* results_ = nullptr;
    SearchResultsModel* model_ = nullptr;
    SearchResultDelegate* delegate_ = nullptr;
    SheetOutputBar* sheetOutput_ = nullptr;
};

}  // namespace mss::forms
