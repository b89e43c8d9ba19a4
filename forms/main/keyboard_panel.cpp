// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/main/keyboard_panel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include <limits>

#include "codebook/flag_catalogue.h"
#include "engine/window_names.h"
#include "forms/shared/face_button.h"
#include "forms/shared/keyboard_frame.h"
#include "forms/main/layout.h"
#include "look/look.h"
#include "forms/shared/physical_keys.h"
#include "forms/shared/twips.h"
#include "qtext/utf8_text.h"

namespace mss::forms {

namespace {

using engine::KeyRole;

constexpr int kKeyFlashMs = 120;


void describeForScreenReaders(QPushButton* b, const engine::KeyDefinition& key) {
    switch (key.id.role) {
        case KeyRole::Flag: {
            const QString name = toQString(codebook::flagEntry(key.id.flag).phoneticName);
            b->setToolTip(name);
            b->setAccessibleName(b->text() + QStringLiteral(", ") + name);
            b->setAccessibleDescription((codebook::isLetterFlag(key.id.flag) ? QStringLiteral("Поднимает флаг «%1»")
                                                                              : QStringLiteral("Поднимает вымпел «%1»"))
                                            .arg(name));
            break;
        }
        case KeyRole::About: b->setAccessibleDescription(QStringLiteral("Открывает окно «О программе»")); break;
        case KeyRole::Exit: b->setAccessibleDescription(QStringLiteral("Спрашивает, закрыть ли программу")); break;
    }
}

}  // namespace

KeyboardPanel::KeyboardPanel(QWidget* client) : QObject(client) {
    for (engine::Keyboard keyboard : engine::kKeyboards) {
        const KeyboardLayout& layout = keyboardLayout(keyboard);
        auto* frame = new KeyboardFrame(layout.caption, look::kKeyboardCaptions[engine::slotOf(keyboard)], client);
        frame->setObjectName(QString::fromLatin1(layout.at.name.data(), static_cast<qsizetype>(layout.at.name.size())));
        frame->setGeometry(pxRect(layout.at.left, layout.at.top, layout.at.width, layout.at.height));
        frame->setVisible(layout.at.visibleAtStart);
        frames_[engine::slotOf(keyboard)] = frame;
    }
    for (engine::Keyboard keyboard : engine::kKeyboards) {
        const auto keys = engine::keysOf(keyboard);
        for (std::size_t place = 0; place < keys.size(); ++place) {
            const engine::KeyDefinition& key = keys[place];
            auto* b = new FaceButton(toQString(key.caption), look::kDarkFace, look::kWhite, frame(keyboard));
            b->setObjectName(QStringLiteral("Command%1").arg(engine::commandNumber(key.id)));
            const ControlLayout at = keyLayout(key);
            b->setGeometry(pxRect(at.left, at.top, at.width, at.height));
            b->setFont(look::dialogFont());
            describeForScreenReaders(b, key);
            QObject::connect(b, &QPushButton::clicked, this, [this, id = key.id] { Q_EMIT keyPressed(id); });
            keys_[engine::slotOf(keyboard)][place] = b;
        }
    }
}

QPushButton* KeyboardPanel::key(engine::KeyId key) const {
    const auto keys = engine::keysOf(key.keyboard);
    const auto place = static_cast<std::size_t>(&engine::definitionOf(key) - keys.data());
    return keys_[engine::slotOf(key.keyboard)][place];
}

bool KeyboardPanel::type(const QKeyEvent& event) {
    const auto symbol = symbolOfKeyPress(event);
    if (!symbol || event.isAutoRepeat()) return false;
    for (engine::Keyboard keyboard : engine::kKeyboards) {
        if (!frame(keyboard)->isVisible()) continue;
        // The key shows its press for a moment, but acts at once, so fast
        // typing lands on the keyboard each key brings.
        QPushButton* b = key(*engine::flagKey(keyboard, *symbol));
        b->click();
        b->setDown(true);
        QTimer::singleShot(kKeyFlashMs, b, [b] { b->setDown(false); });
        return true;
    }
    return false;
}

std::optional<engine::Keyboard> KeyboardPanel::keyboardWithFocus() const {
    const QWidget* focused = QApplication::focusWidget();
    for (engine::Keyboard keyboard : engine::kKeyboards)
        if (focused != nullptr && frame(keyboard)->isAncestorOf(focused)) return keyboard;
    return std::nullopt;
}

void KeyboardPanel::focusKeyboard(engine::Keyboard keyboard, int flag) {
    if (flag < 0) {
        // The flag key that comes first in the keyboard's tab order.
        int firstTab = std::numeric_limits<int>::max();
        for (const engine::KeyDefinition& key : engine::keysOf(keyboard))
            if (key.id.role == KeyRole::Flag && keyLayout(key).tabIndex < firstTab) {
                flag = key.id.flag;
                firstTab = keyLayout(key).tabIndex;
            }
    }
    key(engine::KeyId::flagKey(keyboard, flag))->setFocus(Qt::OtherFocusReason);
}

std::vector<std::pair<int, QWidget*>> KeyboardPanel::tabStops() const {
    std::vector<std::pair<int, QWidget*>> stops;
    for (engine::Keyboard keyboard : engine::kKeyboards)
        for (const engine::KeyDefinition& key : engine::keysOf(keyboard))
            stops.emplace_back(keyLayout(key).tabIndex, this->key(key.id));
    return stops;
}

}  // namespace mss::forms
