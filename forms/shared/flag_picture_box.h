// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A hoist position: a sunken 2-pixel border round a flag picture that it
// borrows from the catalogue (never copies), sized to that picture.

#include <QWidget>

namespace mss::forms {

class FlagPictureBox : public QWidget {
public:
    explicit FlagPictureBox(QWidget* parent);

    // Shows `picture` (owned by the catalogue) or nothing; the box takes the
    // picture's size plus its border, and keeps its own size while empty.
    void showPicture(const QPixmap* picture);
    const QPixmap* picture() const { return picture_; }

    static constexpr int kBorder = 2;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const QPixmap* picture_ = nullptr;
};

}  // namespace mss::forms
