#pragma once
// A push button drawn in the classic way with a solid face colour: a raised
// bevel, sunken while pressed or, for a section button, while chosen, and its
// caption centred and wrapped onto two lines where one is too narrow.

#include <QPushButton>

namespace mss::forms {

class FaceButton : public QPushButton {
public:
    FaceButton(const QString& caption, const QColor& face, const QColor& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor face_;
    QColor text_;  // invalid: the platform's button text colour
};

}  // namespace mss::forms
