// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Russian for the few texts of the toolkit's own dialogs that its Russian
// translation leaves in English: the kinds of entry the file dialog lists
// («Folder» and the like).

#include <QTranslator>

namespace mss::forms {

class ToolkitWords final : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};

}  // namespace mss::forms
