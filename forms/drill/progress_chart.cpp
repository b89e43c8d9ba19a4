// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/progress_chart.h"

#include <QPainter>
#include <QStringList>

#include <cmath>

#include "look/look.h"
#include "wording/russian_plural.h"

namespace mss::forms {

namespace {

constexpr int kLabelWidth = 170, kBarLeft = 176, kBarWidth = 360, kBarHeight = 18, kRowStep = 25;
constexpr int kCountsLeft = kBarLeft + kBarWidth + 10;
constexpr int kHeadingHeight = 24, kLegendHeight = 20;

// "37 новых, 3 изучаемых, 1 выученный".
QString countsText(const progress::ProgressCounts& c) {
    return wording::countOf(c.fresh, QStringLiteral("новый"), QStringLiteral("новых"), QStringLiteral("новых")) +
           QStringLiteral(", ") +
           wording::countOf(c.learning, QStringLiteral("изучаемый"), QStringLiteral("изучаемых"),
                            QStringLiteral("изучаемых")) +
           QStringLiteral(", ") +
           wording::countOf(c.learned, QStringLiteral("выученный"), QStringLiteral("выученных"),
                            QStringLiteral("выученных"));
}

}  // namespace

const QColor ProgressChart::kFresh = look::kNewSignals;
const QColor ProgressChart::kLearning = look::kSignalsBeingLearned;
const QColor ProgressChart::kLearned = look::kLearnedSignals;

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ProgressChart"));
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Прогресс"));
}

void ProgressChart::showFigures(const QString& modeTitle, std::vector<SetProgress> sets) {
    modeTitle_ = modeTitle;
    sets_ = std::move(sets);
    setFixedHeight(kHeadingHeight + 4 + static_cast<int>(sets_.size()) * kRowStep + kLegendHeight + 2);
    setAccessibleDescription(figuresText());
    update();
}

QString ProgressChart::figuresText() const {
    QStringList lines;
    lines << QStringLiteral("Режим «%1».").arg(modeTitle_);
    for (const SetProgress& s : sets_) lines << QStringLiteral("%1: %2.").arg(s.title, countsText(s.counts));
    return lines.join(QLatin1Char(' '));
}

void ProgressChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    paintCounts(p, 0);
    if (hasFocus()) {
        p.setPen(QPen(look::kWhite, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ProgressChart::paintCounts(QPainter& p, int top) const {
    p.setPen(look::kWhite);
    p.setFont(look::serifFont(12));
    p.drawText(QRect(4, top, width() - 8, kHeadingHeight), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Сигналы по наборам — режим «%1»").arg(modeTitle_));
    int y = top + kHeadingHeight + 4;
    for (const SetProgress& s : sets_) {
        p.setFont(look::dialogFont(true));
        p.setPen(look::kWhite);
        p.drawText(QRect(4, y, kLabelWidth - 4, kBarHeight), Qt::AlignLeft | Qt::AlignVCenter, s.title);
        const int whole = s.counts.fresh + s.counts.learning + s.counts.learned;
        int x = kBarLeft;
        const int parts[] = {s.counts.learned, s.counts.learning, s.counts.fresh};
        const QColor colours[] = {kLearned, kLearning, kFresh};
        for (int i = 0; i < 3; ++i) {
            // The last part takes what rounding leaves, so every bar is as long.
            const int w = i == 2 ? kBarLeft + kBarWidth - x
                                 : (whole == 0 ? 0 : static_cast<int>(std::lround(1.0 * kBarWidth * parts[i] / whole)));
            p.fillRect(QRect(x, y, w, kBarHeight), colours[i]);
            x += w;
        }
        p.setPen(look::kDarkFace);
        p.drawRect(QRect(kBarLeft, y, kBarWidth, kBarHeight).adjusted(0, 0, -1, -1));
        p.setPen(look::kWhite);
        p.setFont(look::dialogFont());
        p.drawText(QRect(kCountsLeft, y, width() - kCountsLeft, kBarHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   countsText(s.counts));
        y += kRowStep;
    }
    // The legend.
    p.setFont(look::dialogFont());
    int x = kBarLeft;
    const std::pair<QColor, QString> legend[] = {
        {kLearned, QStringLiteral("выучены (неделя и больше между вопросами)")},
        {kLearning, QStringLiteral("изучаются")},
        {kFresh, QStringLiteral("новые")},
    };
    for (const auto& [colour, name] : legend) {
        p.fillRect(QRect(x, y + 4, 12, 12), colour);
        p.setPen(look::kWhite);
        const int w = p.fontMetrics().horizontalAdvance(name);
        p.drawText(QRect(x + 16, y, w + 4, kLegendHeight), Qt::AlignLeft | Qt::AlignVCenter, name);
        x += 16 + w + 20;
    }
}

}  // namespace mss::forms
