// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A push button drawn in the classic way with a solid face colour: a raised
// bevel, sunken while pressed or, for a section button, while chosen, and its
// caption centred and wrapped onto two lines where one is too narrow.
//
// A chosen section button is not a checkable button: every click, by mouse,
// key or screen reader, is a click, also on the section already chosen.

#include <QPushButton>

namespace mss::forms {

class FaceButton : public QPushButton {
public:
    FaceButton(const QString& caption, const QColor& face, const QColor& text, QWidget* parent);

    void setChosen(bool chosen);
    bool isChosen() const { return chosen_; }
    // An answer chosen among others: framed in a thick bright line, not
    // only lighter, and named so to a screen reader.
    void setChosenAnswer(bool chosen);
    bool framesChoice() const { return framed_; }

    // Where the caption is drawn, and the dotted focus cue round it.
    QRect captionRect() const;
    QRect focusCueRect() const;
    bool showsFocusCue() const;

    // Set on a window once the learner has moved the focus with Tab.
    static constexpr const char* kKeyboardCuesProperty = "mss65KeyboardCues";

protected:
    void paintEvent(QPaintEvent*) override;
    void focusInEvent(QFocusEvent* event) override;
    // Enter and the keypad's Enter press the focused button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;
    QRect captionArea() const;

    QColor face_;
    QColor text_;  // invalid: the platform's button text colour
    bool chosen_ = false;
    bool framed_ = false;
};

}  // namespace mss::forms
