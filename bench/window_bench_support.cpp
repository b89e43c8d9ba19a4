// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_bench_support.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "codebook/codebook_parser.h"
#include "data/codebook_bytes.h"

namespace mss::bench {

const codebook::CodeBook& shippedBook() {
    static const auto loaded = codebook::parseCodeBook(data::codeBookBytes());
    return loaded.book;
}

void settle(QWidget* window) {
    QApplication::processEvents();
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window, &request);
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p * static_cast<double>(values.size()))) - 1;
    return values[std::min(rank, values.size() - 1)];
}

}  // namespace mss::bench
