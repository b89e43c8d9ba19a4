// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog for saving a file, the toolkit's own, driven through its
// widgets under the C locale with a home of its own: it speaks Russian (the
// kinds of entry, sizes and dates included), refuses a named pipe with the
// reason and stays open, reopens in the folder saved in last, and writes no
// settings file anywhere.

#include <QApplication>
#include <QDirIterator>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <sys/stat.h>

#include "forms/shared/application_setup.h"
#include "forms/shared/file_chooser.h"

using mss::forms::ChosenFile;

namespace {

const QStringList kKinds{QStringLiteral("Документ PDF (*.pdf)")};

QTemporaryDir& home() {
    static QTemporaryDir dir;
    return dir;
}

// The dialog, once it is open; nullptr when it does not open in time.
void waitForDialog(QFileDialog*& dialog) {
    QTRY_VERIFY_WITH_TIMEOUT((dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())), 10000);
}

// Names `name` in the dialog, as typing it or clicking it in the list
// would, and presses «Сохранить».
void typeName(QFileDialog* dialog, const QString& name) {
    dialog->selectFile(name);
    QVERIFY(QMetaObject::invokeMethod(dialog, "accept"));
}

// Opens the dialog and lets `answer` work in it while it is open.
ChosenFile choose(const QString& suggested, const std::function<void(QFileDialog*)>& answer) {
    QTimer::singleShot(0, [answer] {
        QFileDialog* dialog = nullptr;
        waitForDialog(dialog);
        if (dialog) answer(dialog);
        // Whatever went wrong above, the dialog closes and the test goes on to say so.
        if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
    });
    return mss::forms::chooseFileWithDialog(nullptr, QStringLiteral("Сохранить PDF"), suggested, kKinds, 0);
}

// Every file under `folder`.
QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    return files;
}

bool hasLatinLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80 && c.isLetter(); });
}

}  // namespace

class FileChooserTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(home().isValid());
        mss::forms::prepareApplication();
        QVERIFY(QDir(home().path()).mkpath(QStringLiteral("cards/sub")));
        QFile file(home().filePath(QStringLiteral("cards/old.pdf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(::mkfifo(QFile::encodeName(home().filePath(QStringLiteral("cards/pipe.pdf"))).constData(), 0600) == 0);
    }

    void theListSpeaksRussianUnderTheCLocale() {
        const QString folder = home().filePath(QStringLiteral("cards"));
        QStringList shown;
        choose(folder + QStringLiteral("/new.pdf"), [&shown](QFileDialog* dialog) {
            auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
            QVERIFY(view);
            const QAbstractItemModel* model = view->model();
            QTRY_VERIFY_WITH_TIMEOUT(model->rowCount(view->rootIndex()) >= 2, 10000);
            for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
                QStringList cells;
                for (int column = 0; column < model->columnCount(view->rootIndex()); ++column)
                    cells << model->index(row, column, view->rootIndex()).data().toString();
                shown << cells.join(u'|');
            }
            for (int column = 0; column < model->columnCount(); ++column)
                shown << model->headerData(column, Qt::Horizontal).toString();
        });
        const QString today = QLocale(QLocale::Russian).toString(QDate::currentDate(), QLocale::ShortFormat);
        bool sawFolder = false, sawFile = false;
        for (const QString& line : shown) {
            const QStringList cells = line.split(u'|');
            if (cells.size() < 4) continue;
            if (cells[0] == u"sub") {
                sawFolder = true;
                QCOMPARE(cells[2], QStringLiteral("Папка"));
            }
            if (cells[0] == u"old.pdf") {
                sawFile = true;
                QCOMPARE(cells[1], QLocale(QLocale::Russian).formattedDataSize(0));
                QVERIFY2(!hasLatinLetter(cells[1]), qPrintable(line));
            }
            QVERIFY2(cells[3].startsWith(today) && !hasLatinLetter(cells[3]), qPrintable(line));
        }
        QVERIFY2(sawFolder && sawFile, qPrintable(shown.join(u'\n')));
        QVERIFY2(shown.contains(QStringLiteral("Дата изменения")), qPrintable(shown.join(u'\n')));
    }

    // A named pipe is refused with the reason in a warning over the dialog,
    // which stays open for another name; the folder saved in is offered next.
    void aPipeIsRefusedAndTheLastFolderIsOfferedNext() {
        const QString folder = home().filePath(QStringLiteral("cards"));
        QString warned;
        const ChosenFile chosen = choose(folder + QStringLiteral("/билет-1.pdf"), [&](QFileDialog* dialog) {
            QTimer::singleShot(0, [&warned] {
                QMessageBox* box = nullptr;
                QTRY_VERIFY_WITH_TIMEOUT((box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())), 10000);
                warned = box->text();
                box->accept();
            });
            typeName(dialog, QStringLiteral("pipe.pdf"));
            QTRY_VERIFY_WITH_TIMEOUT(!warned.isEmpty(), 10000);
            QVERIFY(dialog->isVisible());
            typeName(dialog, QStringLiteral("ticket.pdf"));
        });
        QCOMPARE(warned, QStringLiteral("Файл «%1/pipe.pdf» не записан: это именованный канал, а не обычный файл.")
                             .arg(QDir::toNativeSeparators(folder)));
        QCOMPARE(chosen.path, folder + QStringLiteral("/ticket.pdf"));
        QVERIFY(!QFileInfo::exists(chosen.path));  // the dialog only names the file

        // Offered without a folder, the next name goes where the last one went.
        QString offeredIn;
        choose(QStringLiteral("билет-2.pdf"), [&offeredIn](QFileDialog* dialog) {
            offeredIn = dialog->directory().absolutePath();
        });
        QCOMPARE(offeredIn, folder);
    }

    // Whatever the dialogs did above, no settings file (QtProject.conf) was
    // written: the home holds only what the test made.
    void cleanupTestCase() {
        QStringList made;
        for (const QString& name : {QStringLiteral("cards/old.pdf"), QStringLiteral("cards/pipe.pdf")})
            made << home().filePath(name);
        QStringList found = filesUnder(home().path());
        found.removeIf([&made](const QString& f) { return made.contains(f); });
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }
};

int main(int argc, char* argv[]) {
    // A home of the test's own, and the C locale, before the toolkit reads them.
    if (!home().isValid()) return 1;
    qputenv("HOME", home().path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home().filePath(QStringLiteral(".config")).toUtf8());
    qputenv("LC_ALL", "C");
    qputenv("LANG", "C");
    QApplication app(argc, argv);
    FileChooserTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "file_chooser_test.moc"
