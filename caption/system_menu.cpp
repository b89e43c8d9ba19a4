// SPDX-License-Identifier: GPL-3.0-or-later
#include "system_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

namespace mss::caption {

QMenu* makeSystemMenu(QWidget* window, std::function<void()> move) {
    auto* menu = new QMenu(window);
    menu->setObjectName(QStringLiteral("SystemMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(QStringLiteral("Меню окна"));
    const bool minimised = window->isMinimized();
    const bool maximised = window->isMaximized();

    QAction* restore = menu->addAction(QStringLiteral("Восстановить"), window, &QWidget::showNormal);
    restore->setEnabled(minimised || maximised);
    QAction* moving = menu->addAction(QStringLiteral("Переместить"), window, std::move(move));
    moving->setEnabled(!minimised && !maximised);
    QAction* minimise = menu->addAction(QStringLiteral("Свернуть"), window, &QWidget::showMinimized);
    minimise->setEnabled(!minimised);
    QAction* maximise = menu->addAction(QStringLiteral("Развернуть"));
    maximise->setEnabled(false);  // the window has one size only
    menu->addSeparator();
    QAction* close = menu->addAction(QStringLiteral("Закрыть"), window, &QWidget::close);
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    close->setShortcutVisibleInContextMenu(true);
    QFont bold = close->font();
    bold.setBold(true);
    close->setFont(bold);
    menu->setDefaultAction(close);
    return menu;
}

}  // namespace mss::caption
