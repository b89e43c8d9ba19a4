// SPDX-License-Identifier: GPL-3.0-or-later
#include "russian_count.h"

namespace mss::codebook::message {

std::string russianFigures(std::string_view figures) {
    std::string written(figures);
    for (char& c : written)
        if (c == '.') c = ',';
    return written;
}

std::string counted(std::string_view figures, const WordForms& forms) {
    std::string_view word = forms.many;
    if (figures.find('.') != std::string_view::npos) {
        word = forms.few;
    } else if (!figures.empty()) {
        const int last = figures.back() - '0';
        const int tens = figures.size() > 1 ? figures[figures.size() - 2] - '0' : 0;
        if (tens != 1 && last == 1)
            word = forms.one;
        else if (tens != 1 && last >= 2 && last <= 4)
            word = forms.few;
    }
    return russianFigures(figures) + ' ' + std::string(word);
}

}  // namespace mss::codebook::message
