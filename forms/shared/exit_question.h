// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question an Exit key asks before the main window closes. Tests put
// their own answer in place of the message box.

#include <QString>

#include <functional>

class QWidget;

namespace mss::forms {

// Returns true when the user answers "Да".
using ExitQuestion = std::function<bool(QWidget* parent, const QString& title, const QString& question)>;

// A message box with "Да" (the default) and "Нет" and no icon.
bool askWithMessageBox(QWidget* parent, const QString& title, const QString& question);

}  // namespace mss::forms
