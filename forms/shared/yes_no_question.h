// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The questions answered «Да» or «Нет»: the one an Exit key asks before the
// main window closes, and the one asked before something is deleted. Tests
// put their own answer in place of the message box.

#include <QString>

#include <functional>

class QWidget;

namespace mss::forms {

// Returns true when the user answers "Да".
using YesNoQuestion = std::function<bool(QWidget* parent, const QString& title, const QString& question)>;

// A message box with "Да" (the default) and "Нет" and no icon: the exit question.
bool askWithMessageBox(QWidget* parent, const QString& title, const QString& question);

// Before something is lost for good: "Нет" is the default, Escape answers
// "Нет" too, so that a hasty Enter deletes nothing.
bool askBeforeDeleting(QWidget* parent, const QString& title, const QString& question);

}  // namespace mss::forms
