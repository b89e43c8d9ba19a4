// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving something in a file the learner names, the same in every window
// that saves: the dialog offers a name in the folder the window saved in
// last (else the learner's documents); a name without the extension of the
// kind it is saved as gets it added; what went where is shown on a line,
// whole in its tooltip, and said to a screen reader.

#include <QString>
#include <QStringList>

#include "forms/shared/file_chooser.h"

class QLabel;
class QWidget;

namespace mss::forms {

// The dialog's file type for a PDF: «Документ PDF (*.pdf)».
const QString& pdfFileKind();

class SaveDestination {
public:
    explicit SaveDestination(FileChooser choose = chooseFileWithDialog);

    // Asks for a file among `kinds`, `preferredKind` chosen first, offering
    // `name` in the folder saved in last. An empty path: the learner cancelled.
    ChosenFile ask(QWidget* parent, const QString& title, const QString& name, const QStringList& kinds,
                   int preferredKind) const;
    // `path` as it is written: ending in `.extension` (any case), which is
    // added when missing. The next file is offered in its folder.
    QString settle(const QString& path, const QString& extension);

private:
    FileChooser choose_;
    QString folder_;  // where the last file went
};

// `text` on `line`, whole in its tooltip, and said by a screen reader.
void announce(QLabel* line, const QString& text);

}  // namespace mss::forms
