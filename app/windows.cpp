#include "windows.h"

#include <QApplication>
#include <QMessageBox>

#include "codebook/codebook_parser.h"
#include "data/codebook_bytes.h"
#include "display_check.h"
#include "forms/application_setup.h"
#include "forms/codebook_problem.h"
#include "forms/main_window.h"
#include "forms/search_wiring.h"

namespace mss::app {

int runWindows(int argc, char* argv[], const CommandLine& command) {
    std::optional<QApplication> app;
    {
        const DisplayCheck check;
        app.emplace(argc, argv);
    }
    QApplication::setApplicationVersion(QStringLiteral(MSS65_VERSION));
    forms::prepareApplication();

    const auto loaded = codebook::parseCodeBook(data::codeBookBytes());
    if (const QString problem = forms::codeBookProblemMessage(loaded); !problem.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("МСС-65"), problem);
        return 2;
    }

    auto* window = new forms::MainWindow(loaded.book);
    window->setAttribute(Qt::WA_DeleteOnClose);
    forms::offerSearch(*window, loaded.book);
    (void)command;
    window->load();
    window->show();
    return QApplication::exec();
}

}  // namespace mss::app
