// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption_hook.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <array>

#include "caption/paint_gradient_caption.h"
#include "caption/system_menu.h"
#include "look/bevel.h"

namespace mss::caption {

namespace {

Colour colourOf(const QColor& c) { return makeColour(c.red(), c.green(), c.blue()); }
QColor qColourOf(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

// A caption button drawn the classic way: a raised bevel round a small glyph.
class CaptionButton : public QAbstractButton {
public:
    enum class Glyph { Minimise, Maximise, Close };

    CaptionButton(Glyph glyph, QWidget* parent) : QAbstractButton(parent), glyph_(glyph) {
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(glyph == Glyph::Minimise   ? QStringLiteral("Свернуть")
                          : glyph == Glyph::Maximise ? QStringLiteral("Развернуть")
                                                     : QStringLiteral("Закрыть"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QPalette& pal = palette();
        const bool down = isDown();
        const int w = width(), h = height();
        const QColor face = pal.color(QPalette::Active, QPalette::Button);
        p.fillRect(rect(), face);
        // Raised: light outside above, dark inside below; pressed, the other way round and flat inside.
        if (down) {
            look::drawBevelRing(p, rect(), 0, pal.color(QPalette::Shadow), pal.color(QPalette::Light));
        } else {
            look::drawBevelRing(p, rect(), 0, pal.color(QPalette::Light), pal.color(QPalette::Shadow));
            look::drawBevelRing(p, rect(), 1, face, pal.color(QPalette::Dark));
        }
        const int shift = down ? 1 : 0;
        const QRect g = QRect(0, 0, w, h).adjusted(4 + shift, 3 + shift, -5 + shift, -4 + shift);
        auto glyph = [&](const QColor& colour, int dx) {
            p.setPen(QPen(colour, 2));
            const QRect r = g.translated(dx, dx);
            switch (glyph_) {
                case Glyph::Minimise: p.drawLine(r.left(), r.bottom(), r.right() - 2, r.bottom()); break;
                case Glyph::Maximise:
                    p.setPen(QPen(colour, 1));
                    p.drawRect(r.adjusted(0, 0, -1, -1));
                    p.drawLine(r.left(), r.top() + 1, r.right() - 1, r.top() + 1);
                    break;
                case Glyph::Close:
                    p.drawLine(r.topLeft(), r.bottomRight());
                    p.drawLine(r.topRight(), r.bottomLeft());
                    break;
            }
        };
        if (isEnabled()) {
            glyph(pal.color(QPalette::Active, QPalette::ButtonText), 0);
        } else {  // engraved, as a disabled caption button looks
            glyph(pal.color(QPalette::Light), 1);
            glyph(pal.color(QPalette::Dark), 0);
        }
    }

private:
    Glyph glyph_;
};

class CaptionHook : public QObject {
public:
    static inline const QString kObjectName = QStringLiteral("CaptionHook");

    CaptionHook(QWidget* window, QWidget* client)
        : QObject(window), window_(window), client_(client), painter_(window) {
        setObjectName(kObjectName);
        const CaptionMetrics& m = kStandardCaptionMetrics;  // window pixels; the strip scales itself
        window_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
                                Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
        window_->setFixedSize(client_->width() + 2 * m.frameWidth,
                              client_->height() + 2 * m.frameWidth + m.captionHeight);
        client_->move(m.frameWidth, m.frameWidth + m.captionHeight);

        const std::array glyphs{CaptionButton::Glyph::Minimise, CaptionButton::Glyph::Maximise,
                                CaptionButton::Glyph::Close};
        const int firstCell = window_->width() - m.frameWidth - 3 * m.buttonWidth;
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            auto* b = new CaptionButton(glyphs[i], window_);
            // Each button leaves two pixels of its cell to the gradient side,
            // so the strip stays whole.
            b->setGeometry(firstCell + static_cast<int>(i) * m.buttonWidth + 2, m.frameWidth + 2,
                           m.buttonWidth - 2, m.buttonHeight - 4);
            buttons_[i] = b;
        }
        buttons_[1]->setEnabled(false);  // the window has no maximised state
        QObject::connect(buttons_[0], &QAbstractButton::clicked, window_, &QWidget::showMinimized);
        QObject::connect(buttons_[2], &QAbstractButton::clicked, window_, &QWidget::close);
        // The keys a desktop's own caption answers to: the window menu, and
        // closing without a question, as the close button does.
        auto* menuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), window_);
        QObject::connect(menuKey, &QShortcut::activated, this,
                         [this] { showMenu(window_->mapToGlobal(QPoint(m.frameWidth, m.frameWidth + m.captionHeight))); });
        auto* closeKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), window_);
        QObject::connect(closeKey, &QShortcut::activated, window_, &QWidget::close);
        window_->installEventFilter(this);
        painter_.LoadCaptionFont();
    }

    int paintCount() const { return paintCount_; }
    CaptionDrag lastDrag() const { return lastDrag_; }
    bool movingByKeyboard() const { return keyboardMove_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        switch (event->type()) {
            case QEvent::Paint:
                paintNonClientArea();
                return false;
            case QEvent::ActivationChange:
            case QEvent::WindowStateChange:
            case QEvent::Resize:
            case QEvent::Show:
                // Paint the caption at once, before the window's own handling.
                window_->repaint(captionRect());
                return false;
            case QEvent::MouseButtonPress:
                return openMenu(static_cast<QMouseEvent*>(event)) || startDrag(static_cast<QMouseEvent*>(event));
            case QEvent::KeyPress:
                return keyboardMove_ && moveByKey(static_cast<QKeyEvent*>(event));
            case QEvent::MouseMove:
                return dragTo(static_cast<QMouseEvent*>(event));
            case QEvent::MouseButtonRelease:
                if (dragging_) {
                    dragging_ = false;
                    window_->update(captionRect());
                    return true;
                }
                return false;
            case QEvent::MouseButtonDblClick:
                return onCaption(static_cast<QMouseEvent*>(event)->position().toPoint());
            default:
                return false;
        }
    }

private:
    QRect captionRect() const {
        const CaptionMetrics& m = kStandardCaptionMetrics;
        return {0, 0, window_->width(), m.frameWidth + m.captionHeight};
    }

    bool onCaption(const QPoint& p) const {
        const CaptionMetrics& m = kStandardCaptionMetrics;
        return p.y() >= m.frameWidth && p.y() < m.frameWidth + m.captionHeight && p.x() >= m.frameWidth &&
               p.x() < window_->width() - m.frameWidth;
    }

    QRect iconRect() const {
        const CaptionMetrics& m = kStandardCaptionMetrics;
        return {m.frameWidth + 1, m.frameWidth + 1, m.buttonWidth - 2, m.buttonHeight - 2};
    }

    // A click on the icon opens the window menu under it, a right click on
    // the caption where it was made.
    bool openMenu(QMouseEvent* e) {
        const QPoint at = e->position().toPoint();
        if (e->button() == Qt::LeftButton && iconRect().contains(at)) {
            showMenu(window_->mapToGlobal(QPoint(iconRect().left(), captionRect().bottom() + 1)));
            return true;
        }
        if (e->button() == Qt::RightButton && onCaption(at)) {
            showMenu(e->globalPosition().toPoint());
            return true;
        }
        return false;
    }

    void showMenu(const QPoint& at) {
        QMenu* menu = makeSystemMenu(window_, [this] { startMove(); });
        menu->popup(at);
    }

    // «Переместить»: the window manager moves the window where there is one;
    // elsewhere the arrow keys move it (Ctrl: one pixel at a time), Enter
    // keeps the place and Escape goes back.
    void startMove() {
        if (QWindow* handle = window_->windowHandle(); handle && handle->startSystemMove()) {
            lastDrag_ = CaptionDrag::System;
            return;
        }
        keyboardMove_ = true;
        moveStart_ = window_->pos();
        window_->grabKeyboard();
    }

    bool moveByKey(QKeyEvent* e) {
        const int step = e->modifiers() & Qt::ControlModifier ? 1 : 10;
        QPoint by;
        switch (e->key()) {
            case Qt::Key_Left: by = {-step, 0}; break;
            case Qt::Key_Right: by = {step, 0}; break;
            case Qt::Key_Up: by = {0, -step}; break;
            case Qt::Key_Down: by = {0, step}; break;
            case Qt::Key_Escape: window_->move(moveStart_); [[fallthrough]];
            case Qt::Key_Return:
            case Qt::Key_Enter:
                keyboardMove_ = false;
                window_->releaseKeyboard();
                return true;
            default: return true;  // nothing else while moving
        }
        window_->move(window_->pos() + by);
        lastDrag_ = CaptionDrag::Manual;
        return true;
    }

    bool startDrag(QMouseEvent* e) {
        if (e->button() != Qt::LeftButton || !onCaption(e->position().toPoint())) return false;
        dragging_ = true;
        window_->update(captionRect());
        // Let the window manager move the window where there is one; move it
        // ourselves otherwise.
        if (QWindow* handle = window_->windowHandle(); handle && handle->startSystemMove()) {
            systemMove_ = true;
            lastDrag_ = CaptionDrag::System;
        } else {
            systemMove_ = false;
            lastDrag_ = CaptionDrag::Manual;
            grabOffset_ = e->globalPosition().toPoint() - window_->frameGeometry().topLeft();
        }
        return true;
    }

    bool dragTo(QMouseEvent* e) {
        if (!dragging_) return false;
        if (!(e->buttons() & Qt::LeftButton)) {
            dragging_ = false;
            window_->update(captionRect());
            return false;
        }
        if (!systemMove_) window_->move(e->globalPosition().toPoint() - grabOffset_);
        return true;
    }

    void paintNonClientArea() {
        ++paintCount_;
        const CaptionMetrics& m = kStandardCaptionMetrics;
        const QPalette& pal = window_->palette();
        const bool active = window_->isActiveWindow() || dragging_;
        const double ratio = window_->devicePixelRatioF();

        CaptionInputs in = painter_.windowInputs(active);
        in.activeColour = colourOf(pal.color(QPalette::Active, QPalette::Highlight));
        const CaptionResult caption = painter_.ComposeCaption(in);

        QPainter p(window_);
        // The strip first, in one piece ...
        QImage strip = caption.strip;
        strip.setDevicePixelRatio(ratio);
        const QRectF copied(caption.copied.x() / ratio, caption.copied.y() / ratio, caption.copied.width() / ratio,
                            caption.copied.height() / ratio);
        p.drawImage(copied, strip, QRectF(caption.copied));
        // ... then the frame everywhere but over it and the client area.
        const QRect excluded(QPoint(qRound(caption.excluded.left() / ratio), qRound(caption.excluded.top() / ratio)),
                             QPoint(qRound(caption.excluded.right() / ratio), qRound(caption.excluded.bottom() / ratio)));
        QRegion frame(window_->rect());
        frame -= excluded;
        frame -= client_->geometry();
        p.setClipRegion(frame);
        const QColor end = qColourOf(active ? in.activeColour : in.inactiveColour);
        const QColor face = pal.color(QPalette::Active, QPalette::Button);
        p.fillRect(window_->rect(), face);
        p.fillRect(QRect(m.frameWidth, m.frameWidth, window_->width() - 2 * m.frameWidth, m.captionHeight - 1), end);
        // The frame's raised edge, two pixels deep.
        look::drawBevelRing(p, window_->rect(), 0, pal.color(QPalette::Midlight), pal.color(QPalette::Shadow));
        look::drawBevelRing(p, window_->rect(), 1, pal.color(QPalette::Light), pal.color(QPalette::Dark));
    }

    QWidget* window_;
    QWidget* client_;
    std::array<QAbstractButton*, 3> buttons_{};
    bool dragging_ = false;
    bool systemMove_ = false;
    QPoint grabOffset_;
    GradientCaptionPainter painter_;
    bool keyboardMove_ = false;
    QPoint moveStart_;
    int paintCount_ = 0;
    CaptionDrag lastDrag_ = CaptionDrag::None;
};

CaptionHook* hookOf(const QWidget* window) {
    if (window == nullptr) return nullptr;
    return static_cast<CaptionHook*>(window->findChild<QObject*>(CaptionHook::kObjectName, Qt::FindDirectChildrenOnly));
}

}  // namespace

void InstallCaptionHook(QWidget* window, QWidget* client) {
    if (window == nullptr || client == nullptr || hookOf(window) != nullptr) return;
    new CaptionHook(window, client);
}

bool HasCaptionHook(const QWidget* window) { return hookOf(window) != nullptr; }

int CaptionPaintCount(const QWidget* window) {
    const CaptionHook* hook = hookOf(window);
    return hook != nullptr ? hook->paintCount() : 0;
}

CaptionDrag LastCaptionDrag(const QWidget* window) {
    const CaptionHook* hook = hookOf(window);
    return hook != nullptr ? hook->lastDrag() : CaptionDrag::None;
}

}  // namespace mss::caption
