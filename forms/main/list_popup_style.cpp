// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/main/list_popup_style.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>

namespace mss::forms {

namespace {

class ListPopupStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        // No menu-like pop-up: the list shows maxVisibleItems rows and scrolls.
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

QStyle* listPopupStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new ListPopupStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

}  // namespace mss::forms
