// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/question/question_controls.h"

#include <QLabel>

#include "forms/shared/face_button.h"
#include "look/look.h"

namespace mss::forms {

QLabel* label(QWidget* parent, const char* name, const QFont& font, const QColor& colour) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(font);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

void makeFocusable(QLabel* l, Qt::FocusPolicy policy) {
    l->setFocusPolicy(policy);
    l->setStyleSheet(QStringLiteral("QLabel:focus { border: 1px dotted %1; }").arg(look::kWhite.name()));
}

FaceButton* darkButton(QWidget* parent, const char* name, const QString& caption, const QString& description) {
    auto* b = new FaceButton(caption, look::kDarkFace, look::kWhite, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFont(look::dialogFont(true));
    b->setMinimumSize(120, 33);
    b->setAccessibleName(caption);
    b->setToolTip(description);
    b->setAccessibleDescription(description);
    return b;
}

}  // namespace mss::forms
