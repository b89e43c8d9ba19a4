// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/yes_no_question.h"

#include <QMessageBox>
#include <QPushButton>

namespace mss::forms {

namespace {

bool ask(QWidget* parent, const QString& title, const QString& question, bool yesByDefault,
         QMessageBox::Icon icon) {
    QMessageBox box(icon, title, question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yesByDefault ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace

bool askWithMessageBox(QWidget* parent, const QString& title, const QString& question) {
    return ask(parent, title, question, true, QMessageBox::NoIcon);
}

bool askBeforeDeleting(QWidget* parent, const QString& title, const QString& question) {
    return ask(parent, title, question, false, QMessageBox::Warning);
}

}  // namespace mss::forms
