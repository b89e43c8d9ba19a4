// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The learner's recent sessions as bars, oldest on the left: each bar the
// share of right answers, the day under it, and its date and time, set and
// mode (and first letter) in its tooltip and in what a screen reader hears.
// Sessions of few answers are left out. The bars are the items of a list, so
// the arrow keys go from one to the next (showing each one's tooltip) and a
// screen reader reads each.

#include <QListWidget>

#include <vector>

#include "progress/progress_page_reading.h"

namespace mss::progress {
class ProgressStore;
}

namespace mss::forms {

// The sessions the chart shows and how many it leaves out, as read for the
// progress page.
struct ChartedSessions : progress::RecentSessions {};

// The store's recent sessions, read as the progress page reads them.
ChartedSessions chartedSessions(progress::ProgressStore& store);

class SessionChart : public QListWidget {
public:
    explicit SessionChart(QWidget* parent);

    void showSessions(const ChartedSessions& sessions);
    const ChartedSessions& sessions() const { return sessions_; }
    // The answers and right answers of the sessions shown.
    int answers() const { return answers_; }
    int right() const { return right_; }

    // The room a bar takes: wide enough for «100 %» and a day with a clear
    // gap to the next bar's, in the chart's font.
    int barStep() const { return barStep_; }
    static constexpr int kHeight = 104;

protected:
    // With the keyboard on a bar, its tooltip shows under it, as the mouse
    // would show it.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showToolTipOf(const QModelIndex& bar);

    ChartedSessions sessions_;
    int answers_ = 0, right_ = 0;
    int barStep_ = 0;
};

}  // namespace mss::forms
