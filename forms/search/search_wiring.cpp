// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/search/search_wiring.h"

#include <QMessageBox>

#include <exception>
#include <memory>

#include "forms/main/main_window.h"
#include "search/book_rows.h"
#include "search/search_index.h"
#include "forms/search/search_window.h"

namespace mss::forms {

void offerSearch(MainWindow& window, const codebook::CodeBook& book) {
    auto index = std::make_shared<std::shared_ptr<const search::SearchIndex>>();
    QObject::connect(&window, &MainWindow::searchRequested, &window, [&window, &book, index] {
        if (!*index) {
            try {
                *index = std::make_shared<const search::SearchIndex>(search::searchRowsOf(book));
            } catch (const std::exception& e) {
                QMessageBox::warning(&window, QStringLiteral("Поиск сигнала"),
                                     QStringLiteral("Поиск недоступен: %1").arg(QString::fromLocal8Bit(e.what())));
                return;
            }
        }
        SearchWindow::showSearchWindow(window, *index);
    });
}

}  // namespace mss::forms
