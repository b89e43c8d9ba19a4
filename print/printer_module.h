// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens the printing module (document_printer.h) the first time it is asked
// for, and keeps it for the rest of the run. It is looked for, in order:
//
//   - at the path in the environment variable MSS65_PRINT_MODULE, when set
//     (tests, or a module kept elsewhere), and nowhere else then;
//   - beside the program, as the build tree has it;
//   - in ../lib/mss65/ from the program's folder, as it is installed.
//
// Needs the application object.

#include <QString>
#include <QStringList>

#include "print/document_printer.h"

namespace mss::print {

inline constexpr char kPrinterModuleVariable[] = "MSS65_PRINT_MODULE";
inline constexpr char kPrinterModuleFile[] = "libmss65-print.so";

struct PrinterModule {
    DocumentPrinter* printer = nullptr;  // nullptr when the module cannot be used
    QString problem;                     // then why, in Russian, to show as it is
};

// The module, opened on the first call; later calls give the same answer.
const PrinterModule& printerModule();

// Where the module is looked for, in order.
QStringList printerModuleCandidates();

// Opens the module at `path` now, without keeping the answer: for the
// first call above, and for tests.
PrinterModule openPrinterModule(const QString& path);

}  // namespace mss::print
