// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six section buttons above the meaning line. The chosen one stays down;
// a click on any, the chosen one included, comes out as sectionChosen.

#include <QObject>

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "codebook/section.h"

class QWidget;

namespace mss::forms {

class FaceButton;

class SectionButtons : public QObject {
    Q_OBJECT

public:
    // The buttons become children of `client`.
    explicit SectionButtons(QWidget* client);

    FaceButton* button(codebook::Section section) const { return buttons_[codebook::slotOf(section)]; }
    void showChosen(std::optional<codebook::Section> chosen);

    // Every button with its tab index.
    std::vector<std::pair<int, QWidget*>> tabStops() const;

Q_SIGNALS:
    void sectionChosen(mss::codebook::Section section);

private:
    std::array<FaceButton*, codebook::kSectionCount> buttons_{};
};

}  // namespace mss::forms
