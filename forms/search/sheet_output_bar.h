// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search window's row for printing and export. «Печать…» (Ctrl+P) shows
// the cards of the rows selected, or of every row listed when none is, in the
// print preview; «Сохранить PDF…» (Ctrl+S) saves them as a PDF of A4 pages,
// several cards a page; «Линии отреза» draws marks at the cards' corners to
// cut along instead of their thin frames, in both. «Экспорт картинки…» saves
// the card of the row in hand as SVG or PNG, the kind by the file's
// extension. The line under the buttons says what went where.
//
// The printing module is opened on the first press, never before; when it
// cannot be, the learner reads why and nothing is written.

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "forms/shared/file_chooser.h"
#include "forms/shared/file_saving.h"
#include "forms/shared/warning.h"
#include "print/document.h"
#include "print/printer_module.h"

class QCheckBox;
class QLabel;

namespace mss::codebook {
class CodeBook;
}

namespace mss::forms {

class FaceButton;

struct SheetOutputOptions {
    FileChooser chooseFile = chooseFileWithDialog;  // where a file is saved
    Warning warn = warnWithMessageBox;              // why nothing was printed or saved
    // The printing module (tests put a printer of their own in its place).
    std::function<const print::PrinterModule&()> printerModule = print::printerModule;
};

// What the picture dialog offers, in its order: PNG at 1, 2 and 4 times a
// card's size on a screen, then SVG.
struct PictureKind {
    QString title;      // the dialog's file type: «Картинка PNG 2× (*.png)»
    QString extension;  // "png", "svg"
    int scale = 0;      // a PNG's scale; 0 for SVG
};
const std::vector<PictureKind>& pictureKinds();

class SheetOutputBar : public QWidget {
    Q_OBJECT

public:
    // `codes` are what «Печать…» and «Сохранить PDF…» take, `codeInHand`
    // what «Экспорт картинки…» takes (empty: nothing). `book` must outlive the bar.
    SheetOutputBar(const codebook::CodeBook& book, SheetOutputOptions options, std::function<QStringList()> codes,
                   std::function<QString()> codeInHand, QWidget* parent);

    void printCards();
    void saveCardsPdf();
    void exportCardPicture();
    // The buttons work while the list has rows.
    void setRowsListed(bool listed);

    FaceButton* printButton() const { return print_; }
    FaceButton* pdfButton() const { return pdf_; }
    QCheckBox* cutMarksBox() const { return cutMarks_; }
    FaceButton* pictureButton() const { return picture_; }
    // What was printed or saved, and where.
    QLabel* report() const { return report_; }

private:
    print::DocumentPrinter* openPrinter();
    // The document of the codes' cards; nothing, and why, when a code has none.
    std::optional<print::Document> documentOf(const QStringList& codes, QString& problem) const;
    // Says nothing under the buttons, and why nothing was done in a warning.
    void fail(const QString& problem);
    void say(const QString& text);

    const codebook::CodeBook& book_;
    SheetOutputOptions options_;
    std::function<QStringList()> codes_;
    std::function<QString()> codeInHand_;
    FaceButton* print_ = nullptr;
    FaceButton* pdf_ = nullptr;
    QCheckBox* cutMarks_ = nullptr;
    FaceButton* picture_ = nullptr;
    QLabel* report_ = nullptr;
    SaveDestination destination_;  // where the last file went; the next is offered there
    int pictureKind_ = 0;  // of pictureKinds(): the one saved last, offered first
};

}  // namespace mss::forms
