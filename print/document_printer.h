// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printing module, libmss65-print.so: it alone links Qt Print Support
// and Qt SVG, and the program opens it the first time something is printed
// or exported (printer_module.h). Qt Core, Gui and Widgets types cross this
// interface, which the program has loaded already. Called on the thread of
// the application object, which is a QGuiApplication at least (a
// QApplication for the print dialog).

#include <QImage>
#include <QString>

#include "print/document.h"

class QWidget;

namespace mss::print {

// Raised whenever this interface or the data of document.h changes: a
// module built for another value refuses to serve the program.
inline constexpr int kPrinterInterface = 1;

class DocumentPrinter {
public:
    virtual ~DocumentPrinter() = default;

    // Writes the document as an A4 PDF with its fonts embedded. Returns an
    // empty string, or why nothing was written (in Russian); an existing
    // file is replaced only once the new one is whole, and only when it is
    // a regular file (output_file.h); a file past the system's file-size
    // limit is not written at all.
    virtual QString savePdf(const Document& document, const QString& file) = 0;

    // The system's print dialog with a preview of the document, modal over
    // `parent`; true when the learner printed it.
    virtual bool printWithPreview(const Document& document, QWidget* parent) = 0;

    // One card as SVG, or as PNG at 1, 2 or 4 times its size on a screen
    // (340 × 491 pixels at 1). Return as savePdf does.
    virtual QString saveSheetSvg(const ReferenceSheet& card, const QString& file) = 0;
    virtual QString saveSheetPng(const ReferenceSheet& card, const QString& file, int scale) = 0;

    // The card's picture at a scale as saveSheetPng draws it, on white.
    virtual QImage sheetImage(const ReferenceSheet& card, int scale) = 0;

protected:
    DocumentPrinter() = default;
    DocumentPrinter(const DocumentPrinter&) = default;
    DocumentPrinter& operator=(const DocumentPrinter&) = default;
};

}  // namespace mss::print

// The module's one exported function: its printer, which lives as long as
// the program, or nullptr when `interfaceVersion` is not its own.
extern "C" mss::print::DocumentPrinter* mss65_document_printer(int interfaceVersion);
