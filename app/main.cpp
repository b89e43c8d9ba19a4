// МСС-65: checks the code book it carries, then opens the main window.

#include <QApplication>
#include <QMessageBox>

#include "codebook/codebook_parser.h"
#include "data/codebook_bytes.h"
#include "forms/application_setup.h"
#include "forms/codebook_problem.h"
#include "forms/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mss65"));
    QApplication::setApplicationDisplayName(QStringLiteral("МСС-65"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mss65.Trainer"));
    mss::forms::prepareApplication();

    const auto loaded = mss::codebook::parseCodeBook(mss::data::codeBookBytes());
    if (const QString problem = mss::forms::codeBookProblemMessage(loaded); !problem.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("МСС-65"), problem);
        return 2;
    }

    auto* window = new mss::forms::MainWindow(loaded.book);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->load();
    window->show();
    return app.exec();
}
