// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/main/hoist_view.h"

#include <QAccessible>

#include "codebook/flag_catalogue.h"
#include "engine/engine.h"
#include "forms/shared/flag_picture_box.h"
#include "forms/main/layout.h"
#include "forms/shared/picture_catalogue.h"
#include "forms/shared/twips.h"
#include "qtext/utf8_text.h"

namespace mss::forms {

namespace {

// What a screen reader says of a hoist position.
QString spokenPosition(engine::HoistPosition p, int flag) {
    static const std::array<QString, engine::kHoistPositions.size()> names{
        QStringLiteral("Первый флаг"), QStringLiteral("Второй флаг"), QStringLiteral("Третий флаг")};
    const QString& name = names[engine::slotOf(p)];
    if (flag == engine::kNoFlag) return name + QStringLiteral(": пусто");
    const auto& phonetic = codebook::flagEntry(flag).phoneticName;
    return QStringLiteral("%1: %2 (%3)")
        .arg(name, toQString(phonetic),
             QChar::fromLatin1(codebook::symbolOfFlag(flag)));
}

// A position with its design-time picture, if any, at its design-time place
// and size.
FlagPictureBox* placed(const TextControlLayout& layout, QWidget* client, const QPixmap* picture = nullptr) {
    auto* box = new FlagPictureBox(client);
    if (picture) box->showPicture(picture);
    box->setObjectName(QString::fromLatin1(layout.at.name.data(), static_cast<qsizetype>(layout.at.name.size())));
    box->setGeometry(pxRect(layout.at.left, layout.at.top, layout.at.width, layout.at.height));
    if (!layout.toolTip.isEmpty()) box->setToolTip(layout.toolTip);
    box->setVisible(layout.at.visibleAtStart);
    return box;
}

}  // namespace

HoistView::HoistView(QWidget* client) : QObject(client) {
    for (engine::HoistPosition p : engine::kHoistPositions) positions_[engine::slotOf(p)] = placed(hoistLayout(p), client);
    medicalM_ = placed(medicalMLayout(), client, &PictureCatalogue::instance().singleM());
    medicalM_->setAccessibleName(QStringLiteral("Первый флаг: Майк (M), медицинский раздел"));
}

void HoistView::show(engine::HoistPosition p, int flag) {
    FlagPictureBox* box = position(p);
    box->showPicture(flag == engine::kNoFlag ? nullptr : &PictureCatalogue::instance().flag(flag));
    box->setAccessibleName(spokenPosition(p, flag));
    QAccessibleEvent spoken(box, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&spoken);
}

}  // namespace mss::forms
