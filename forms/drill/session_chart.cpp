// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/session_chart.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>
#include <cmath>

#include "asking/percent.h"
#include "forms/drill/progress_texts.h"
#include "look/look.h"

namespace mss::forms {

namespace {

constexpr int kTextHeight = 16, kBarWidth = 24, kBarHeight = SessionChart::kHeight - 2 * kTextHeight - 8;
constexpr int kShareRole = Qt::UserRole;
// Between the texts of two bars side by side.
constexpr int kTextGap = 8;

// A share as written over its bar: «85 %», the sign kept with its number.
QString shareText(int share) { return QStringLiteral("%1\u00A0%").arg(share); }

// One session: its share of right answers above the bar, the day below.
class BarDelegate : public QStyledItemDelegate {
public:
    explicit BarDelegate(SessionChart& chart) : QStyledItemDelegate(&chart), chart_(chart) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QRect r = option.rect;
        const int share = index.data(kShareRole).toInt();
        p->save();
        p->setFont(look::dialogFont());
        p->setPen(look::kWhite);
        p->drawText(QRect(r.left(), r.top() + 2, r.width(), kTextHeight), Qt::AlignCenter, shareText(share));
        const QRect bar(r.left() + (r.width() - kBarWidth) / 2, r.top() + kTextHeight + 4, kBarWidth, kBarHeight);
        p->fillRect(bar, look::kBlue.darker(150));
        const int filled = std::max(1, kBarHeight * share / 100);
        p->fillRect(QRect(bar.left(), bar.bottom() + 1 - filled, kBarWidth, filled), look::kTablesNote);
        p->drawText(QRect(r.left(), bar.bottom() + 2, r.width(), kTextHeight), Qt::AlignCenter,
                    index.data(Qt::DisplayRole).toString());
        // The bar the arrow keys are on, while the chart has the focus.
        if (option.state & QStyle::State_HasFocus) {
            p->setPen(QPen(look::kWhite, 1, Qt::DotLine));
            p->setBrush(Qt::NoBrush);
            p->drawRect(r.adjusted(0, 0, -1, -1));
        }
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {chart_.barStep(), SessionChart::kHeight};
    }

private:
    const SessionChart& chart_;
};

int share(const progress::SessionSummary& s) { return asking::percentOf(s.right, s.asked); }

}  // namespace

ChartedSessions chartedSessions(progress::ProgressStore& store) {
    return {progress::ProgressReading(store).recentSessions()};
}

SessionChart::SessionChart(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("SessionChart"));
    setAccessibleName(QStringLiteral("Последние занятия"));
    setItemDelegate(new BarDelegate(*this));
    const QFontMetrics metrics(look::dialogFont());
    barStep_ = std::max({kBarWidth + kTextGap, metrics.horizontalAdvance(shareText(100)) + kTextGap,
                         metrics.horizontalAdvance(QStringLiteral("30.09")) + kTextGap});
    setFlow(QListView::LeftToRight);
    setWrapping(false);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The bars stand on the window's own ground.
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    setFixedSize(progress::kRecentSessions * barStep_, kHeight);
}

void SessionChart::showSessions(const ChartedSessions& sessions) {
    sessions_ = sessions;
    answers_ = right_ = 0;
    clear();
    for (const progress::SessionSummary& s : sessions_.shown) {
        auto* bar = new QListWidgetItem(progress_texts::sessionDay(s), this);
        bar->setData(kShareRole, share(s));
        bar->setToolTip(progress_texts::sessionToolTip(s));
        bar->setData(Qt::AccessibleTextRole, progress_texts::sessionSpoken(s));
        bar->setSizeHint({barStep_, kHeight});
        answers_ += s.asked;
        right_ += s.right;
    }
    QStringList about;
    about << progress_texts::sessionsHeading(answers_, right_);
    if (const QString note = progress_texts::sessionsNote(count(), sessions_.leftOut); !note.isEmpty()) about << note;
    setAccessibleDescription(about.join(QStringLiteral(". ")));
    if (count() > 0) setCurrentRow(count() - 1);
}

void SessionChart::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QListWidget::currentChanged(current, previous);
    if (hasFocus()) showToolTipOf(current);
}

void SessionChart::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason) showToolTipOf(currentIndex());
}

void SessionChart::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    QToolTip::hideText();
}

void SessionChart::showToolTipOf(const QModelIndex& bar) {
    if (!bar.isValid()) return;
    const QRect r = visualRect(bar);
    QToolTip::showText(viewport()->mapToGlobal(r.bottomLeft()), bar.data(Qt::ToolTipRole).toString(), viewport(), r);
}

}  // namespace mss::forms
