// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A line or block of text in the drill window: its font and colour, wrapped
// at its width, from its top left corner.

#include <QColor>
#include <QFont>
#include <QRect>

class QLabel;
class QWidget;

namespace mss::forms {

QLabel* label(QWidget* parent, const char* name, const QFont& font, const QColor& colour, const QRect& at);

}  // namespace mss::forms
