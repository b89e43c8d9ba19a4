// SPDX-License-Identifier: GPL-3.0-or-later
// The printing module's one exported function and the printer it gives.

#include "print/document_printer.h"
#include "print/module/outputs.h"

namespace mss::print {

namespace {

class ModulePrinter final : public DocumentPrinter {
public:
    QString savePdf(const Document& document, const QString& file) override { return writePdf(document, file); }
    bool printWithPreview(const Document& document, QWidget* parent) override {
        return printWithPreviewDialog(document, parent);
    }
    QString saveSheetSvg(const ReferenceSheet& card, const QString& file) override { return writeSheetSvg(card, file); }
    QString saveSheetPng(const ReferenceSheet& card, const QString& file, int scale) override {
        return writeSheetPng(card, file, scale);
    }
    QImage sheetImage(const ReferenceSheet& card, int scale) override { return renderSheet(card, scale); }
};

}  // namespace

}  // namespace mss::print

extern "C" __attribute__((visibility("default"))) mss::print::DocumentPrinter* mss65_document_printer(
    int interfaceVersion) {
    if (interfaceVersion != mss::print::kPrinterInterface) return nullptr;
    static mss::print::ModulePrinter printer;
    return &printer;
}
