// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A warning the learner must read before going on: why something could not
// be done. Tests put their own reader in place of the message box.

#include <QString>

#include <functional>

class QWidget;

namespace mss::forms {

using Warning = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

// A message box with the warning icon and «OK».
void warnWithMessageBox(QWidget* parent, const QString& title, const QString& text);

}  // namespace mss::forms
