#include "sprawka3.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "animated_label.h"
#include "form_layout.h"
#include "picture_catalogue.h"
#include "twips.h"

namespace mss::forms {

namespace {

QPointer<sprawka3>& theWindow() {
    static QPointer<sprawka3> window;
    return window;
}

}  // namespace

sprawka3* sprawka3::current() { return theWindow().data(); }

sprawka3* sprawka3::showAboutWindow(QWidget* near) {
    QPointer<sprawka3>& window = theWindow();
    if (!window) {
        window = new sprawka3;
        const QRect around = near ? near->frameGeometry()
                                  : QGuiApplication::primaryScreen()->availableGeometry();
        QRect r = window->frameGeometry();
        r.moveCenter(around.center());
        window->move(r.topLeft());
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

sprawka3::sprawka3() {
    setObjectName(QStringLiteral("sprawka3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const WindowSpec& form = aboutWindowSpec();
    setWindowTitle(form.caption);
    setWindowIcon(PictureCatalogue::instance().icon());
    resize(px(form.clientWidth), px(form.clientHeight));

    for (const AboutControlSpec& c : aboutWindowControls()) {
        QWidget* w = nullptr;
        QFont f(QStringLiteral("Times New Roman"));
        f.setBold(true);
        if (c.pointSize > 0) f.setPointSizeF(c.pointSize);
        if (c.animated) {
            w = new AnimatedLabel(c.text, f, Qt::white, this);
        } else if (c.pointSize > 0) {
            auto* label = new QLabel(c.text, this);
            label->setFont(f);
            w = label;
        } else {
            ok_ = new QPushButton(c.text, this);
            QPalette pal = ok_->palette();
            pal.setColor(QPalette::Button, pal.color(QPalette::Shadow));
            pal.setColor(QPalette::ButtonText, Qt::white);
            ok_->setPalette(pal);
            ok_->setDefault(true);
            QObject::connect(ok_, &QPushButton::clicked, this, &QWidget::close);
            w = ok_;
        }
        w->setObjectName(QString::fromLatin1(c.name));
        w->setGeometry(pxRect(c.left, c.top, c.width, c.height));
        if (auto* label = qobject_cast<QLabel*>(w)) label->adjustSize();
    }
    ok_->setFocus();
}

void sprawka3::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.drawPixmap(0, 0, PictureCatalogue::instance().aboutBackground());
}

}  // namespace mss::forms
