// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/warning.h"

#include <QMessageBox>

namespace mss::forms {

void warnWithMessageBox(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text);
}

}  // namespace mss::forms
