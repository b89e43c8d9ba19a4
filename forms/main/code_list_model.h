// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One list of the code book as the rows of a list widget, read from the code
// book as they are shown: the texts are held once, by the code book.

#include <QAbstractListModel>

#include "codebook/codebook.h"

namespace mss::forms {

class CodeListModel : public QAbstractListModel {
public:
    // `book` must outlive the model.
    CodeListModel(const codebook::CodeBook& book, codebook::CodeList list, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const std::vector<codebook::CodeBookRow>& rows_;
};

}  // namespace mss::forms
