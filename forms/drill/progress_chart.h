// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The learner's progress as a picture: for each set, one bar of its signals
// new, being learned and learned in the chosen mode, with its legend.

#include <QString>
#include <QWidget>

#include <vector>

#include "progress/progress_figures.h"

namespace mss::forms {

struct SetProgress {
    QString title;
    progress::ProgressCounts counts;
};

class ProgressChart : public QWidget {
public:
    explicit ProgressChart(QWidget* parent);

    void showFigures(const QString& modeTitle, std::vector<SetProgress> sets);

    const std::vector<SetProgress>& sets() const { return sets_; }
    // The figures as one text, which screen readers read.
    QString figuresText() const;

    // The colours of the three parts of a bar.
    static const QColor kFresh, kLearning, kLearned;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void paintCounts(QPainter& p, int top) const;

    QString modeTitle_;
    std::vector<SetProgress> sets_;
};

}  // namespace mss::forms
