// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/file_chooser.h"

#include <QFileDialog>

#include <algorithm>

namespace mss::forms {

ChosenFile chooseFileWithDialog(QWidget* parent, const QString& title, const QString& suggested,
                                const QStringList& kinds, int preferredKind) {
    QString kind = kinds.value(preferredKind);
    const QString path =
        QFileDialog::getSaveFileName(parent, title, suggested, kinds.join(QStringLiteral(";;")), &kind);
    return {path, static_cast<int>(std::max<qsizetype>(0, kinds.indexOf(kind)))};
}

}  // namespace mss::forms
