// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/file_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>

#include "forms/shared/warning.h"
#include "print/output_file.h"

namespace mss::forms {

namespace {

// The folder the learner saved in last, for as long as the program runs:
// the toolkit would keep it in a settings file of its own, which the
// program never writes (application_setup.h).
QString& lastFolder() {
    static QString folder;
    return folder;
}

// The folder the dialog opens in: the last one used, else the one of the
// suggested path, else the learner's documents.
QString startingFolder(const QString& suggested) {
    if (!lastFolder().isEmpty() && QFileInfo(lastFolder()).isDir()) return lastFolder();
    const QFileInfo proposed(suggested);
    if (proposed.isAbsolute()) return proposed.absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// The list of files with its sizes and dates in Russian: the toolkit writes
// them in the language of the system, which may be English.
class RussianFileDetails final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || !index.isValid())
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        switch (index.column()) {
            case kSizeColumn:
                return files->isDir(source) ? QString() : QLocale().formattedDataSize(files->size(source));
            case kDateColumn: return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
            default: return QIdentityProxyModel::data(index, role);
        }
    }

private:
    static constexpr int kSizeColumn = 1;  // QFileSystemModel's columns: name, size, type, date
    static constexpr int kDateColumn = 3;
};

// The toolkit's own dialog, in Russian whatever the system's language, which
// refuses a name that is no regular file (a named pipe, a device) with the
// reason and stays open for another.
class SaveFileDialog final : public QFileDialog {
public:
    SaveFileDialog(QWidget* parent, const QString& title, const QString& folder, const QStringList& kinds)
        : QFileDialog(parent, title, folder, kinds.join(QStringLiteral(";;"))) {
        setOption(QFileDialog::DontUseNativeDialog);
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        setProxyModel(new RussianFileDetails(this));
    }

protected:
    void accept() override {
        const QStringList files = selectedFiles();
        // A folder is opened by the dialog itself.
        if (!files.isEmpty() && !QFileInfo(files.front()).isDir())
            if (const QString refusal = print::refusalToWrite(files.front()); !refusal.isEmpty()) {
                warnWithMessageBox(this, windowTitle(), refusal);
                return;
            }
        QFileDialog::accept();
    }
};

}  // namespace

ChosenFile chooseFileWithDialog(QWidget* parent, const QString& title, const QString& suggested,
                                const QStringList& kinds, int preferredKind) {
    SaveFileDialog dialog(parent, title, startingFolder(suggested), kinds);
    dialog.selectNameFilter(kinds.value(preferredKind));
    dialog.selectFile(QFileInfo(suggested).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    lastFolder() = QFileInfo(path).absolutePath();
    return {path, static_cast<int>(std::max<qsizetype>(0, kinds.indexOf(dialog.selectedNameFilter())))};
}

}  // namespace mss::forms
