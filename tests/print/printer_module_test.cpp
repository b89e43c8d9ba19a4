// SPDX-License-Identifier: GPL-3.0-or-later
// The printing module as the program opens it: not before the first print
// or export (the main window up, Qt Print Support and Qt SVG are still not
// mapped), then from where it is looked for; and a clear Russian message,
// no crash, when it is missing or is no module.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "forms/window_fixture.h"
#include "print/reference_sheet.h"
#include "print/printer_module.h"
#include "support/mapped_libraries.h"
#include "support/shipped_book.h"

using mss::testing::kPrintingLibraries;
using mss::testing::mappedLibraries;
using mss::testing::mappedOf;

class PrinterModuleTest : public QObject {
    Q_OBJECT

private slots:
    // First: nothing of the printing is in the process yet.
    void notMappedWhileTheMainWindowStartsUp() {
        QVERIFY(mappedLibraries().size() > 5);  // the maps are read at all
        mss::testing::WindowFixture f;
        QVERIFY(f.open());
        // Whatever the window left to do once shown is done first.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(mappedOf(kPrintingLibraries), QStringList());
    }

    // Then the first card drawn opens the module, and the libraries it links come with it.
    void firstUseOpensTheModule() {
        const mss::print::PrinterModule& module = mss::print::printerModule();
        QVERIFY2(module.printer, qPrintable(module.problem));
        QCOMPARE(&mss::print::printerModule(), &module);
        const auto card = mss::print::sheetOf(mss::testing::shippedBook(), QStringLiteral("MAA"));
        QCOMPARE(module.printer->sheetImage(*card, 1).size(), QSize(340, 491));
        QCOMPARE(mappedOf(kPrintingLibraries).size(), 3);
    }

    void missingModuleIsExplainedInRussian() {
        const QString path = QStringLiteral("/nonexistent/libmss65-print.so");
        const mss::print::PrinterModule module = mss::print::openPrinterModule(path);
        QVERIFY(!module.printer);
        QVERIFY2(module.problem.startsWith(QStringLiteral("Печать и экспорт недоступны: нет модуля печати «") + path),
                 qPrintable(module.problem));
    }

    void fileThatIsNoModuleIsRefused() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("libmss65-print.so"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("это не библиотека\n");
        file.close();
        const mss::print::PrinterModule module = mss::print::openPrinterModule(path);
        QVERIFY(!module.printer);
        QVERIFY2(module.problem.contains(QStringLiteral("не загружается")), qPrintable(module.problem));
    }

    // A library that is no printing module of this program.
    void libraryWithoutTheFactoryIsRefused() {
        const mss::print::PrinterModule module = mss::print::openPrinterModule(QStringLiteral(MSS_SOME_LIBRARY));
        QVERIFY(!module.printer);
        QVERIFY2(module.problem.contains(QStringLiteral("от другой версии программы")), qPrintable(module.problem));
    }

    void looksBesideTheProgramThenWhereItIsInstalled() {
        const QByteArray chosen = qgetenv(mss::print::kPrinterModuleVariable);
        qunsetenv(mss::print::kPrinterModuleVariable);
        const QString folder = QCoreApplication::applicationDirPath();
        QCOMPARE(mss::print::printerModuleCandidates(),
                 (QStringList{folder + QStringLiteral("/libmss65-print.so"),
                              QDir::cleanPath(folder + QStringLiteral("/../lib/mss65/libmss65-print.so"))}));
        qputenv(mss::print::kPrinterModuleVariable, "/elsewhere/module.so");
        QCOMPARE(mss::print::printerModuleCandidates(), QStringList{QStringLiteral("/elsewhere/module.so")});
        qputenv(mss::print::kPrinterModuleVariable, chosen);
    }
};

QTEST_MAIN(PrinterModuleTest)
#include "printer_module_test.moc"
