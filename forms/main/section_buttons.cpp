// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/main/section_buttons.h"

#include "forms/shared/face_button.h"
#include "forms/main/layout.h"
#include "look/look.h"
#include "forms/shared/twips.h"

namespace mss::forms {

SectionButtons::SectionButtons(QWidget* client) : QObject(client) {
    for (const auto& info : codebook::kSections) {
        const SectionButtonLayout& layout = sectionLayout(info.section);
        auto* b = layout.topRow ? new FaceButton(layout.control.text, look::kDarkFace, look::kWhite, client)
                                : new FaceButton(layout.control.text, look::kBlue, QColor(), client);
        b->setFont(look::dialogFont(true));
        QObject::connect(b, &QPushButton::clicked, this,
                         [this, section = info.section] { Q_EMIT sectionChosen(section); });
        const ControlLayout& at = layout.control.at;
        b->setObjectName(QString::fromLatin1(at.name.data(), static_cast<qsizetype>(at.name.size())));
        b->setGeometry(pxRect(at.left, at.top, at.width, at.height));
        b->setToolTip(layout.control.toolTip);
        b->setVisible(at.visibleAtStart);
        buttons_[codebook::slotOf(info.section)] = b;
    }
}

void SectionButtons::showChosen(std::optional<codebook::Section> chosen) {
    for (const auto& info : codebook::kSections) button(info.section)->setChosen(chosen == info.section);
}

std::vector<std::pair<int, QWidget*>> SectionButtons::tabStops() const {
    std::vector<std::pair<int, QWidget*>> stops;
    for (const auto& info : codebook::kSections)
        stops.emplace_back(sectionLayout(info.section).control.at.tabIndex, button(info.section));
    return stops;
}

}  // namespace mss::forms
