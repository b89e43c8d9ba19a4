// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a file the same way in every window: the name offered in the folder
// saved in last, the kind's extension added to a name without it, and the
// line that says what went where, whole in its tooltip and its accessible name.

#include <QDir>
#include <QLabel>
#include <QStandardPaths>
#include <QtTest>

#include "forms/shared/file_saving.h"

using mss::forms::ChosenFile;
using mss::forms::SaveDestination;

class FileSavingTest : public QObject {
    Q_OBJECT

private slots:
    void aNameWithoutTheKindsExtensionGetsIt() {
        struct Case {
            const char* chosen;
            const char* extension;
            const char* written;
        };
        const Case cases[] = {
            {"/tmp/a/билет.pdf", "pdf", "/tmp/a/билет.pdf"}, {"/tmp/a/билет", "pdf", "/tmp/a/билет.pdf"},
            {"/tmp/a/БИЛЕТ.PDF", "pdf", "/tmp/a/БИЛЕТ.PDF"}, {"/tmp/a/карточка.png", "svg", "/tmp/a/карточка.png.svg"},
            {"/tmp/a/v1.2", "png", "/tmp/a/v1.2.png"},
        };
        for (const Case& c : cases) {
            SaveDestination destination(
                [](QWidget*, const QString&, const QString&, const QStringList&, int) { return ChosenFile{}; });
            QCOMPARE(destination.settle(QString::fromUtf8(c.chosen), QString::fromLatin1(c.extension)),
                     QString::fromUtf8(c.written));
        }
    }

    void theNextFileIsOfferedWhereTheLastWent() {
        QStringList offered;
        SaveDestination destination(
            [&offered](QWidget*, const QString&, const QString& suggested, const QStringList& kinds, int preferred) {
                offered << suggested << kinds.value(preferred);
                return ChosenFile{QStringLiteral("/tmp/elsewhere/x"), preferred};
            });
        const QStringList kinds{mss::forms::pdfFileKind()};
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(
            destination.ask(nullptr, QStringLiteral("Сохранить PDF"), QStringLiteral("билет-1.pdf"), kinds, 0).path,
            QStringLiteral("/tmp/elsewhere/x"));
        QCOMPARE(offered, (QStringList{QDir(documents).filePath(QStringLiteral("билет-1.pdf")),
                                       QStringLiteral("Документ PDF (*.pdf)")}));
        // Only a file actually written moves the folder.
        offered.clear();
        destination.ask(nullptr, QString(), QStringLiteral("b.pdf"), kinds, 0);
        QCOMPARE(offered.value(0), QDir(documents).filePath(QStringLiteral("b.pdf")));
        destination.settle(QStringLiteral("/tmp/elsewhere/x"), QStringLiteral("pdf"));
        offered.clear();
        destination.ask(nullptr, QString(), QStringLiteral("c.pdf"), kinds, 0);
        QCOMPARE(offered.value(0), QStringLiteral("/tmp/elsewhere/c.pdf"));
    }

    void whatWentWhereIsShownWhole() {
        QLabel line;
        const QString text = QStringLiteral("Сохранено: /tmp/очень/длинный/путь/билет.pdf");
        mss::forms::announce(&line, text);
        QCOMPARE(line.text(), text);
        QCOMPARE(line.toolTip(), text);
        QCOMPARE(line.accessibleName(), text);
    }
};

QTEST_MAIN(FileSavingTest)
#include "file_saving_test.moc"
