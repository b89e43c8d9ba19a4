// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the toolkit for start-up and memory: an application object and
// one window of the main window's size and flags that paints its background,
// nothing else. Built with the same first-frame hook as mss65-first-frame and
// run the same way, so the difference between the two is what the program
// itself costs.

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BareWindow window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
    window.setFixedSize(798, 551);  // the main window with its painted frame and caption
    window.show();
    return app.exec();
}
