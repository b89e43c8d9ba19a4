// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/main/meaning_line.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QStringList>

#include "codebook/edition_notes.h"
#include "codebook/hoist_words.h"
#include "codebook/signal_directory.h"
#include "forms/main/code_list_model.h"
#include "forms/main/layout.h"
#include "forms/main/list_popup_style.h"
#include "look/look.h"
#include "forms/shared/twips.h"
#include "qtext/utf8_text.h"

namespace mss::forms {

namespace {

using codebook::CodeList;

QString headingOf(CodeList list) {
    const auto& heading = codebook::infoOf(list).heading;
    return toQString(heading);
}

// The whole meaning, which a narrow line may cut, how its signal is hoisted
// by one set of flags («Поднимают: M, A, 2-й заменяющий») and what a learner
// with another edition of the code should know about it. The line itself
// keeps the book's text.
QString toolTipOf(CodeList list, int row, const QString& text) {
    QStringList hoists, notes;
    if (list != CodeList::Complements)
        for (const codebook::SignalCode* code : codebook::SignalDirectory::instance().codesOf({list, row})) {
            hoists << toQString(codebook::hoistLine(code->flownHoist()));
            const QString note = toQString(codebook::editionNoteOf(code->text()));
            if (!note.isEmpty() && !notes.contains(note)) notes << note;
        }
    QString tip = text.trimmed();
    if (!hoists.isEmpty()) tip += QStringLiteral("\nПоднимают: ") + hoists.join(QStringLiteral(" или "));
    for (const QString& note : notes) tip += u'\n' + note;
    return tip;
}

// An open list shows this many rows at most.
constexpr int kVisibleRows = 24;

// The lists are created in this order, so that the medical list, created
// last, is drawn over the others.
constexpr std::array kCreationOrder{CodeList::SingleLetter, CodeList::GeneralAToJ, CodeList::GeneralJToQ,
                                    CodeList::GeneralRToZ, CodeList::Complements, CodeList::Medical};
static_assert(kCreationOrder.size() == codebook::kCodeListCount);

}  // namespace

MeaningLine::MeaningLine(const codebook::CodeBook& book, QWidget* client) : QObject(client) {
    for (CodeList list : kCreationOrder) {
        auto* combo = new QComboBox(client);
        combo->setFont(look::dialogFont());
        // The rows come from the code book as they are shown, without a copy.
        combo->setModel(new CodeListModel(book, list, combo));
        combo->setStyle(listPopupStyle());
        combo->setMaxVisibleItems(kVisibleRows);
        combo->setCurrentIndex(-1);
        combo->setPlaceholderText(headingOf(list));
        combo->setAccessibleName(QStringLiteral("Значение сигнала"));
        combo->setAccessibleDescription(combo->placeholderText());
        QObject::connect(combo, &QComboBox::activated, this, [this, list](int row) { Q_EMIT rowPicked(list, row); });

        const ControlLayout& at = listLayout(list);
        combo->setObjectName(QString::fromLatin1(at.name.data(), static_cast<qsizetype>(at.name.size())));
        combo->setGeometry(pxRect(at.left, at.top, at.width, at.height));
        combo->setVisible(at.visibleAtStart);
        // The drop-down is wide enough to read the longest rows.
        combo->view()->setMinimumWidth(combo->width());
        lists_[codebook::slotOf(list)] = combo;
    }
}

void MeaningLine::show(CodeList list, engine::EditField field, int row) {
    QComboBox* combo = this->list(list);
    switch (field) {
        case engine::EditField::Heading:
            combo->setPlaceholderText(headingOf(list));
            combo->setCurrentIndex(-1);
            break;
        case engine::EditField::Empty:
            combo->setPlaceholderText(QString());
            combo->setCurrentIndex(-1);
            break;
        case engine::EditField::Row:
            combo->setCurrentIndex(row);
            break;
    }
    combo->setToolTip(field == engine::EditField::Row ? toolTipOf(list, row, combo->currentText()) : QString());
    // The meaning line is read out when it changes.
    QAccessibleValueChangeEvent spoken(combo, combo->currentText());
    QAccessible::updateAccessibility(&spoken);
}

void MeaningLine::setOnView(CodeList list, bool onView) {
    QComboBox* combo = this->list(list);
    combo->setVisible(onView);
    // Where two lists are on view at once, the medical list lies on top.
    if (list == CodeList::Medical && onView) combo->raise();
}

std::vector<std::pair<int, QWidget*>> MeaningLine::tabStops() const {
    std::vector<std::pair<int, QWidget*>> stops;
    for (const auto& info : codebook::kCodeLists) stops.emplace_back(listLayout(info.list).tabIndex, list(info.list));
    return stops;
}

}  // namespace mss::forms
