// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Controls in the look of the drill window, which the exam in its place
// shares: text in its font and colour, wrapped at its width; a label the
// learner reaches with Tab (so a screen reader reads it), ringed by a dotted
// line while it has the focus; a dark button with a white caption.

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace mss::forms {

class FaceButton;

QLabel* label(QWidget* parent, const char* name, const QFont& font, const QColor& colour);
void makeFocusable(QLabel* l, Qt::FocusPolicy policy);
FaceButton* darkButton(QWidget* parent, const char* name, const QString& caption, const QString& description);

}  // namespace mss::forms
