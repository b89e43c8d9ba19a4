// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_window_opener.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include "forms/main/main_window.h"

namespace mss::forms {

namespace {

QPointer<DrillWindow>& theWindow() {
    static QPointer<DrillWindow> window;
    return window;
}

}  // namespace

DrillWindow* currentDrillWindow() { return theWindow().data(); }

DrillWindow* showDrillWindow(const codebook::CodeBook& book, const DrillWindowOptions& options, QWidget* near) {
    QPointer<DrillWindow>& window = theWindow();
    if (!window) {
        window = new DrillWindow(book, options);
        window->setAttribute(Qt::WA_DeleteOnClose);
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect around = near ? near->frameGeometry() : screen ? screen->availableGeometry() : QRect();
        QRect r = window->frameGeometry();
        r.moveCenter(around.center());
        window->move(r.topLeft());
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void offerDrill(MainWindow& window, const codebook::CodeBook& book, DrillWindowOptions options) {
    QObject::connect(&window, &MainWindow::drillRequested, &window,
                     [&book, options = std::move(options), near = &window] { showDrillWindow(book, options, near); });
}

}  // namespace mss::forms
