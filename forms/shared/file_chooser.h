// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file the learner names to save something in, and in which of the kinds
// offered (the dialog's list of file types). Tests put their own answer in
// place of the dialog.

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace mss::forms {

struct ChosenFile {
    QString path;  // empty: the learner cancelled
    int kind = 0;  // which of the kinds offered was chosen
};

// `kinds` are the dialog's file types, "Документ PDF (*.pdf)"; `preferredKind`
// is chosen when it opens; `suggested` is the file's path proposed.
using FileChooser = std::function<ChosenFile(QWidget* parent, const QString& title, const QString& suggested,
                                             const QStringList& kinds, int preferredKind)>;

// The dialog for saving a file: the toolkit's own, in Russian, opened in the
// folder the learner saved in last while the program runs (else the one of
// `suggested`, else the documents folder). It refuses, with the reason, a
// name that is no regular file (print/output_file.h), and writes nothing of
// its own anywhere.
ChosenFile chooseFileWithDialog(QWidget* parent, const QString& title, const QString& suggested,
                                const QStringList& kinds, int preferredKind);

}  // namespace mss::forms
