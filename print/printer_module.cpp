// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printer_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QRegularExpression>

namespace mss::print {

namespace {

using Factory = decltype(&mss65_document_printer);

// The soname the dynamic loader could not find, from its message
// ("libQt6Svg.so.6: cannot open shared object file: …"); empty otherwise.
QString missingLibraryIn(const QString& loaderMessage) {
    static const QRegularExpression missing(QStringLiteral("(lib[^ :/]+\\.so[^ :]*): cannot open shared object file"));
    const QRegularExpressionMatch m = missing.match(loaderMessage);
    return m.hasMatch() ? m.captured(1) : QString();
}

}  // namespace

QStringList printerModuleCandidates() {
    const QString chosen = qEnvironmentVariable(kPrinterModuleVariable);
    if (!chosen.isEmpty()) return {chosen};
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QString::fromLatin1(kPrinterModuleFile)),
            QDir::cleanPath(program.filePath(QStringLiteral(MSS65_PRINT_MODULE_FROM_PROGRAM "/") +
                                             QString::fromLatin1(kPrinterModuleFile)))};
}

PrinterModule openPrinterModule(const QString& path) {
    PrinterModule module;
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        module.problem = QStringLiteral("Печать и экспорт недоступны: нет модуля печати «%1». "
                                        "Установите программу заново.")
                             .arg(shown);
        return module;
    }
    // The library stays loaded when this object goes: the printer it makes
    // lives as long as the program.
    QLibrary library(path);
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!library.load()) {
        const QString missing = missingLibraryIn(library.errorString());
        module.problem = missing.isEmpty()
                             ? QStringLiteral("Печать и экспорт недоступны: модуль печати «%1» не загружается.")
                                   .arg(shown)
                             : QStringLiteral("Печать и экспорт недоступны: модулю печати «%1» нужна библиотека "
                                              "%2, а в системе её нет.")
                                   .arg(shown, missing);
        return module;
    }
    const auto factory = reinterpret_cast<Factory>(library.resolve("mss65_document_printer"));
    module.printer = factory ? factory(kPrinterInterface) : nullptr;
    if (!module.printer)
        module.problem = QStringLiteral("Печать и экспорт недоступны: модуль печати «%1» — от другой версии "
                                        "программы. Установите программу заново.")
                             .arg(shown);
    return module;
}

const PrinterModule& printerModule() {
    static const PrinterModule module = [] {
        const QStringList candidates = printerModuleCandidates();
        for (const QString& path : candidates)
            if (QFileInfo(path).isFile()) return openPrinterModule(path);
        return openPrinterModule(candidates.constLast());
    }();
    return module;
}

}  // namespace mss::print
