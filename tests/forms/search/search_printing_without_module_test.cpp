// SPDX-License-Identifier: GPL-3.0-or-later
// The search window when the printing module cannot be opened
// (MSS65_PRINT_MODULE names a file that is not there): each of its buttons
// shows why, in Russian, asks for no file and writes nothing, and the window
// goes on.

#include <QtTest>

#include "forms/shared/application_setup.h"
#include "forms/search/search_printing_fixture.h"

using mss::forms::SearchWindow;
using mss::testing::SearchPrintingFixture;

Q_DECLARE_METATYPE(QAbstractButton* (*)(const mss::forms::SheetOutputBar&))

namespace {

using ButtonOf = QAbstractButton* (*)(const mss::forms::SheetOutputBar&);

}  // namespace

class SearchPrintingWithoutModuleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        mss::forms::prepareApplication();
        // Run with the module named where there is none.
        QVERIFY2(qEnvironmentVariableIsSet(mss::print::kPrinterModuleVariable) &&
                     !QFile::exists(qEnvironmentVariable(mss::print::kPrinterModuleVariable)),
                 "MSS65_PRINT_MODULE must name a missing file");
    }

    void everyButtonSaysWhyAndWritesNothing_data() {
        QTest::addColumn<ButtonOf>("button");
        QTest::newRow("Печать…") << ButtonOf([](const mss::forms::SheetOutputBar& b) -> QAbstractButton* {
            return b.printButton();
        });
        QTest::newRow("Сохранить PDF…") << ButtonOf([](const mss::forms::SheetOutputBar& b) -> QAbstractButton* {
            return b.pdfButton();
        });
        QTest::newRow("Экспорт картинки…") << ButtonOf([](const mss::forms::SheetOutputBar& b) -> QAbstractButton* {
            return b.pictureButton();
        });
    }
    void everyButtonSaysWhyAndWritesNothing() {
        QFETCH(ButtonOf, button);
        SearchPrintingFixture f;
        SearchWindow* s = f.open();
        QVERIFY(s);
        f.answer = {f.file(QStringLiteral("карточки.pdf")), 0};
        for (int press = 1; press <= 2; ++press) {
            QTest::mouseClick(button(f.bar(s)), Qt::LeftButton);
            QCOMPARE(f.warnings.size(), static_cast<std::size_t>(press));
            QCOMPARE(f.warnings.back().title, QStringLiteral("Поиск сигнала"));
            QCOMPARE(f.warnings.back().text,
                     QStringLiteral("Печать и экспорт недоступны: нет модуля печати «%1». Установите программу заново.")
                         .arg(qEnvironmentVariable(mss::print::kPrinterModuleVariable)));
        }
        QVERIFY(f.fileAsked.empty());
        QCOMPARE(f.written(), QStringList());
        QCOMPARE(f.report(s), QString());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(s->isVisible());
        // The search goes on.
        SearchPrintingFixture::type(s, QStringLiteral("маа"));
        QCOMPARE(s->codeInHand(), QStringLiteral("MAA"));
    }
};

QTEST_MAIN(SearchPrintingWithoutModuleTest)
#include "search_printing_without_module_test.moc"
