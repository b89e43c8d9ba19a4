// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/exit_question.h"

#include <QMessageBox>
#include <QPushButton>

namespace mss::forms {

bool askWithMessageBox(QWidget* parent, const QString& title, const QString& question) {
    QMessageBox box(QMessageBox::NoIcon, title, question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace mss::forms
