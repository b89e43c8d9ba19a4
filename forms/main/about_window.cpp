// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/main/about_window.h"

#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

#include "forms/shared/animated_label.h"
#include "forms/main/layout.h"
#include "look/look.h"
#include "forms/shared/picture_catalogue.h"
#include "forms/shared/twips.h"
#include "forms/shared/window_placement.h"

namespace mss::forms {

namespace {

QPointer<AboutWindow>& theWindow() {
    static QPointer<AboutWindow> window;
    return window;
}

}  // namespace

AboutWindow* AboutWindow::current() { return theWindow().data(); }

AboutWindow* AboutWindow::showAboutWindow(QWidget* near) {
    return showOnce(theWindow(), [] { return new AboutWindow; }, [near](QWidget& w) { placeCentred(w, near); });
}

AboutWindow::AboutWindow() {
    setObjectName(QStringLiteral("sprawka3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const WindowLayout& form = aboutWindowLayout();
    setWindowTitle(form.caption);
    setWindowIcon(PictureCatalogue::instance().icon());
    resize(px(form.clientWidth), px(form.clientHeight));

    for (const AboutControlLayout& c : aboutWindowControls()) {
        QWidget* w = nullptr;
        const QString& text = c.control.text;
        if (c.animated) {
            w = new AnimatedLabel(text, look::serifFont(c.pointSize), look::kWhite, this);
        } else if (c.pointSize > 0) {
            auto* label = new QLabel(text, this);
            label->setFont(look::serifFont(c.pointSize));
            w = label;
        } else {
            ok_ = new QPushButton(text, this);
            QPalette pal = ok_->palette();
            pal.setColor(QPalette::Button, pal.color(QPalette::Shadow));
            pal.setColor(QPalette::ButtonText, look::kWhite);
            ok_->setPalette(pal);
            ok_->setDefault(true);
            QObject::connect(ok_, &QPushButton::clicked, this, &QWidget::close);
            w = ok_;
        }
        const ControlLayout& at = c.control.at;
        w->setObjectName(QString::fromLatin1(at.name.data(), static_cast<qsizetype>(at.name.size())));
        w->setGeometry(pxRect(at.left, at.top, at.width, at.height));
        if (auto* label = qobject_cast<QLabel*>(w)) label->adjustSize();
    }
    ok_->setFocus();
}

void AboutWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.drawPixmap(0, 0, PictureCatalogue::instance().aboutBackground());
}

}  // namespace mss::forms
