// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/file_saving.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>

namespace mss::forms {

const QString& pdfFileKind() {
    static const QString kind = QStringLiteral("Документ PDF (*.pdf)");
    return kind;
}

SaveDestination::SaveDestination(FileChooser choose)
    : choose_(std::move(choose)), folder_(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {}

ChosenFile SaveDestination::ask(QWidget* parent, const QString& title, const QString& name, const QStringList& kinds,
                                int preferredKind) const {
    return choose_(parent, title, QDir(folder_).filePath(name), kinds, preferredKind);
}

QString SaveDestination::settle(const QString& path, const QString& extension) {
    const QString file =
        QFileInfo(path).suffix().compare(extension, Qt::CaseInsensitive) == 0 ? path : path + u'.' + extension;
    folder_ = QFileInfo(file).absolutePath();
    return file;
}

void announce(QLabel* line, const QString& text) {
    line->setText(text);
    line->setToolTip(text);
    line->setAccessibleName(text);
    QAccessibleEvent spoken(line, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&spoken);
}

}  // namespace mss::forms
