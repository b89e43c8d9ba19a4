// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A keyboard frame: a blue ground with an etched border and its caption in a
// bold serif at the top left.

#include <QColor>
#include <QWidget>

namespace mss::forms {

class KeyboardFrame : public QWidget {
public:
    KeyboardFrame(const QString& caption, const QColor& captionColour, QWidget* parent);
    QString caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString caption_;
    QColor captionColour_;
};

}  // namespace mss::forms
