// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/main/code_list_model.h"
#include "qtext/utf8_text.h"

namespace mss::forms {

CodeListModel::CodeListModel(const codebook::CodeBook& book, codebook::CodeList list, QObject* parent)
    : QAbstractListModel(parent), rows_(book.rows(list)) {}

int CodeListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant CodeListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const std::string& text = rows_[static_cast<std::size_t>(index.row())].text;
    return toQString(text);
}

}  // namespace mss::forms
