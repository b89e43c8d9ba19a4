// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows.h"

#include <QApplication>
#include <QMessageBox>

#include "codebook/codebook_parser.h"
#include "data/codebook_bytes.h"
#include "display_check.h"
#include "forms/shared/application_setup.h"
#include "forms/shared/codebook_problem.h"
#include "forms/wiring/secondary_windows.h"
#include "forms/main/main_window.h"

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
    // The drill and its progress file open only when the learner first asks.
    forms::DrillWindowOptions drill;
    drill.progressFile = command.progressFile.toStdString();
    forms::offerDrill(*window, loaded.book, std::move(drill));
    window->load();
    window->show();
    return QApplication::exec();
}

}  // namespace mss::app
