// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into the start-up programs of the benchmarks only (mss65-first-frame
// and the bare window): the program ends as soon as its window has painted
// its first frame, so timing the whole process times start-up and nothing
// after it. The program's own main() stays as it is; the hook comes in with
// the application object, through Qt's start-up routines.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class QuitAfterFirstFrame : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // The window's paint event opens the pass that paints its children
            // and hands the frame to the screen; the quit runs once that pass
            // is over. exit() leaves the loop without closing the window, so
            // the time after the frame is only the program's ordinary exit.
            QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

void installQuitAfterFirstFrame() {
    auto* hook = new QuitAfterFirstFrame;
    hook->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(hook);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installQuitAfterFirstFrame)
