// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_keyboard.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "engine/keyboards.h"
#include "forms/shared/face_button.h"
#include "forms/main/layout.h"
#include "forms/shared/physical_keys.h"
#include "forms/main/twips.h"
#include "look/look.h"
#include "qtext/utf8_text.h"

namespace mss::forms {

namespace {

constexpr int kKeyFlashMs = 120;
// The keys stand this much higher than on the main window's keyboard, whose
// bottom row of About and Exit the drill has no use for.
constexpr int kRaisedTwips = 480;


}  // namespace

DrillKeyboard::DrillKeyboard(QWidget* parent)
    : KeyboardFrame(QStringLiteral("Клавиатура флагов"), QColor(), parent) {
    setObjectName(QStringLiteral("DrillKeyboard"));
    const KeyboardLayout& frame = keyboardLayout(engine::Keyboard::SingleLetter);
    int bottom = 0;
    for (const engine::KeyDefinition& def : engine::keysOf(engine::Keyboard::SingleLetter)) {
        if (def.id.role != engine::KeyRole::Flag) continue;
        const char symbol = codebook::symbolOfFlag(def.id.flag);
        auto* b = new FaceButton(toQString(def.caption), look::kDarkFace, look::kWhite, this);
        // A click keeps the focus where it was, so that Enter still answers.
        b->setFocusPolicy(Qt::TabFocus);
        b->setObjectName(QStringLiteral("DrillKey%1").arg(QChar::fromLatin1(symbol)));
        const ControlLayout at = keyLayout(def);
        b->setGeometry(pxRect(at.left, at.top - kRaisedTwips, at.width, at.height));
        b->setFont(look::dialogFont());
        const QString name = toQString(codebook::flagEntry(def.id.flag).phoneticName);
        b->setToolTip(name);
        b->setAccessibleName(b->text() + QStringLiteral(", ") + name);
        b->setAccessibleDescription(QStringLiteral("Ответ: %1").arg(QChar::fromLatin1(symbol)));
        QObject::connect(b, &QPushButton::clicked, this, [this, symbol] { Q_EMIT flagPressed(symbol); });
        keys_[static_cast<std::size_t>(def.id.flag)] = b;
        bottom = std::max(bottom, b->geometry().bottom());
    }
    setFixedSize(px(frame.at.width), bottom + px(kRaisedTwips) / 2);
}

QPushButton* DrillKeyboard::key(char symbol) const {
    const auto flag = codebook::flagIndexOfSymbol(symbol);
    return flag ? keys_[static_cast<std::size_t>(*flag)] : nullptr;
}

bool DrillKeyboard::type(const QKeyEvent& event) {
    const auto symbol = symbolOfKeyPress(event);
    if (!symbol || event.isAutoRepeat()) return false;
    QPushButton* b = key(*symbol);
    // The key shows its press for a moment, but acts at once.
    b->click();
    b->setDown(true);
    QTimer::singleShot(kKeyFlashMs, b, [b] { b->setDown(false); });
    return true;
}

}  // namespace mss::forms
