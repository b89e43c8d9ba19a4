// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search window «Поиск сигнала»: a field, and under it the signals whose
// meaning has the words typed, or whose code was typed, updated at every key.
// Up and Down choose a result from the field; Enter or a double click puts
// the signal up on the main window, as if the learner had typed it, and the
// search stays open for the next one; Escape closes it.
//
// One search window for the whole program, never modal and not owned by the
// main window; it closes when the main window goes.

#include <QPointer>
#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QListView;

namespace mss::search {
class SearchIndex;
}

namespace mss::forms {

class MainWindow;
class SearchResultDelegate;
class SearchResultsModel;

class SearchWindow : public QWidget {
public:
    // Creates the search window if there is none, shows it and puts the
    // cursor in its field; results are shown in `main`. An open window keeps
    // the main window and the index it was made with.
    static SearchWindow* showSearchWindow(MainWindow& main, std::shared_ptr<const search::SearchIndex> index);
    // The open search window, or nullptr.
    static SearchWindow* current();

    ~SearchWindow() override;

    QLineEdit* field() const { return field_; }
    QLabel* summary() const { return summary_; }
    QListView* results() const { return results_; }
    const SearchResultsModel& model() const { return *model_; }
    SearchResultDelegate& delegate() const { return *delegate_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    SearchWindow(MainWindow& main, std::shared_ptr<const search::SearchIndex> index);
    void search(const QString& query);
    void showResult(int row);
    void placeBeside(const MainWindow& main);

    QPointer<MainWindow> main_;
    std::shared_ptr<const search::SearchIndex> index_;
    QLineEdit* field_ = nullptr;
    QLabel* summary_ = nullptr;
    QListView* results_ = nullptr;
    SearchResultsModel* model_ = nullptr;
    SearchResultDelegate* delegate_ = nullptr;
    bool fitFrameOnScreen_ = false;  // placed over the main window: keep the frame's foot on the screen
};

}  // namespace mss::forms
