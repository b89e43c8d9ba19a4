// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line under the section buttons that shows what the hoist means: six
// lists at one place, one on view at a time (the medical list lies on top in
// the one case where two are). A list shows its heading until a row is
// chosen, nothing after a reset, or its selected row.

#include <QObject>

#include <array>
#include <utility>
#include <vector>

#include "codebook/codebook.h"
#include "engine/engine.h"

class QComboBox;
class QWidget;

namespace mss::forms {

class MeaningLine : public QObject {
    Q_OBJECT

public:
    // The lists become children of `client`, filled from `book`.
    MeaningLine(const codebook::CodeBook& book, QWidget* client);

    QComboBox* list(codebook::CodeList list) const { return lists_[codebook::slotOf(list)]; }

    // What the list's line shows, and tells screen readers.
    void show(codebook::CodeList list, engine::EditField field, int row);
    void setOnView(codebook::CodeList list, bool onView);

    // Every list with its tab index.
    std::vector<std::pair<int, QWidget*>> tabStops() const;

Q_SIGNALS:
    // The learner chose a row of a list by hand.
    void rowPicked(mss::codebook::CodeList list, int row);

private:
    std::array<QComboBox*, codebook::kCodeListCount> lists_{};
};

}  // namespace mss::forms
