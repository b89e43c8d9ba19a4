// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_label.h"

#include <QLabel>

namespace mss::forms {

QLabel* label(QWidget* parent, const char* name, const QFont& font, const QColor& colour, const QRect& at) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(font);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    l->setGeometry(at);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

}  // namespace mss::forms
