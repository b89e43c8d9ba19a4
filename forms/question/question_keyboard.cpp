// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/question/question_keyboard.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "engine/keyboards.h"
#include "forms/shared/face_button.h"
#include "forms/shared/keyboard_layout.h"
#include "forms/shared/physical_keys.h"
#include "forms/shared/twips.h"
#include "look/look.h"
#include "qtext/utf8_text.h"

namespace mss::forms {

namespace {

constexpr int kKeyFlashMs = 120;
// The keys stand this much higher than on the main window's keyboard, whose
// bottom row of About and Exit the drill has no use for.
constexpr int kRaisedTwips = 480;
// The row of the substitutes and the answering pennant: under the letters,
// keys of this width.
constexpr int kSpecialKeyWidthTwips = 1500;

// "1-й зам." on the key; the whole name in its tooltip.
QString captionOf(const codebook::SignalFlag& flag) {
    if (flag.kind == codebook::FlagKind::Substitute)
        return QStringLiteral("%1-й зам.").arg(codebook::substituteNumber(flag.index));
    return QStringLiteral("Ответный");
}

QString shortcutOf(const codebook::SignalFlag& flag) {
    const int digit = flag.kind == codebook::FlagKind::Substitute ? codebook::substituteNumber(flag.index) : 0;
    return QStringLiteral("Shift+%1").arg(digit);
}

}  // namespace

QuestionKeyboard::QuestionKeyboard(QWidget* parent)
    : KeyboardFrame(QStringLiteral("Клавиатура флагов"), QColor(), parent) {
    setObjectName(QStringLiteral("DrillKeyboard"));
    const KeyboardLayout& frame = keyboardLayout(engine::Keyboard::SingleLetter);
    int bottom = 0, left = px(frame.at.width), right = 0, keyHeight = 0;
    for (const engine::KeyDefinition& def : engine::keysOf(engine::Keyboard::SingleLetter)) {
        if (def.id.role != engine::KeyRole::Flag) continue;
        const codebook::SignalFlag& flag = codebook::signalFlag(def.id.flag);
        auto* b = new FaceButton(toQString(def.caption), look::kDarkFace, look::kWhite, this);
        b->setObjectName(QStringLiteral("DrillKey%1").arg(QChar::fromLatin1(flag.symbol)));
        const ControlLayout at = keyLayout(def);
        b->setGeometry(pxRect(at.left, at.top - kRaisedTwips, at.width, at.height));
        b->setToolTip(toQString(flag.spellingWord));
        b->setAccessibleName(b->text() + QStringLiteral(", ") + b->toolTip());
        b->setAccessibleDescription(QStringLiteral("Ответ: %1").arg(QChar::fromLatin1(flag.symbol)));
        keys_[static_cast<std::size_t>(flag.index)] = b;
        bottom = std::max(bottom, b->geometry().bottom());
        left = std::min(left, b->geometry().left());
        right = std::max(right, b->geometry().right());
        keyHeight = b->geometry().height();
    }
    // The substitutes and the answering pennant, spread under the letters.
    constexpr int kRowGap = 8;
    const int width = px(kSpecialKeyWidthTwips), gap = (right - left + 1 - 4 * width) / 3;
    int x = left;
    for (const codebook::SignalFlag& flag : codebook::signalFlags()) {
        if (flag.kind != codebook::FlagKind::Substitute && flag.kind != codebook::FlagKind::AnsweringPennant) continue;
        auto* b = new FaceButton(captionOf(flag), look::kDarkFace, look::kWhite, this);
        b->setObjectName(QStringLiteral("DrillKeySpecial%1").arg(flag.index - codebook::kFirstSubstitute + 1));
        b->setGeometry(x, bottom + 1 + kRowGap, width, keyHeight);
        const QString name = toQString(flag.fullName);
        b->setToolTip(QStringLiteral("%1 (%2)").arg(name, shortcutOf(flag)));
        b->setAccessibleName(name);
        keys_[static_cast<std::size_t>(flag.index)] = b;
        x += width + gap;
    }
    bottom += kRowGap + keyHeight;
    for (std::size_t flag = 0; flag < keys_.size(); ++flag) {
        QPushButton* b = keys_[flag];
        b->setFont(look::dialogFont());
        // A click keeps the focus where it was, so that Enter still answers.
        b->setFocusPolicy(Qt::TabFocus);
        QObject::connect(b, &QPushButton::clicked, this, [this, flag] { Q_EMIT flagPressed(static_cast<int>(flag)); });
    }
    setFixedSize(px(frame.at.width), bottom + px(kRaisedTwips) / 2);
}

QPushButton* QuestionKeyboard::key(int flag) const {
    return codebook::isSignalFlag(flag) ? keys_[static_cast<std::size_t>(flag)] : nullptr;
}

QPushButton* QuestionKeyboard::key(char symbol) const {
    const auto flag = codebook::flagIndexOfSymbol(symbol);
    return flag ? key(*flag) : nullptr;
}

void QuestionKeyboard::enableFlags(const std::function<bool(int flag)>& counts) {
    for (std::size_t flag = 0; flag < keys_.size(); ++flag) keys_[flag]->setEnabled(counts(static_cast<int>(flag)));
}

bool QuestionKeyboard::type(const QKeyEvent& event) {
    const auto flag = flagOfKeyPress(event);
    if (!flag || event.isAutoRepeat()) return false;
    QPushButton* b = key(*flag);
    if (!b->isEnabled()) return true;  // the key is there, but does not count here
    // The key shows its press for a moment, but acts at once.
    b->click();
    b->setDown(true);
    QTimer::singleShot(kKeyFlashMs, b, [b] { b->setDown(false); });
    return true;
}

}  // namespace mss::forms
