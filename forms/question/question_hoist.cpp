// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/question/question_hoist.h"

#include <QAccessible>
#include <QLabel>
#include <QPainter>

#include "codebook/hoist_words.h"
#include "flags/flag_design.h"
#include "flags/flag_layers.h"
#include "forms/shared/flag_picture_box.h"
#include "forms/shared/picture_catalogue.h"
#include "look/look.h"
#include "qtext/utf8_text.h"

namespace mss::forms {

namespace {

constexpr int kTableNameHeight = 20;
constexpr int kBoxWidth = 95, kBoxHeight = 64, kBoxStep = 72;
const std::array<QString, QuestionHoist::kPositions> kPlaceNames{
    QStringLiteral("Первый флаг"), QStringLiteral("Второй флаг"), QStringLiteral("Третий флаг")};

}  // namespace

QPixmap smallHoistPicture(const std::vector<int>& flags, QSize flagSize) {
    // Drawn as paper draws them, each flag's shape edged by a thin dark line,
    // so that a white flag, a pennant or a cross on white stays a flag.
    constexpr int kGap = 2;
    constexpr qreal kRatio = 2;  // sharp on a screen of double density too
    const int width = static_cast<int>(flags.size()) * (flagSize.width() + kGap);
    QPixmap picture(QSize(width, flagSize.height()) * kRatio);
    picture.setDevicePixelRatio(kRatio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const std::vector<flags::FlagDesign>& designs = flags::flagDesigns();
    for (std::size_t i = 0; i < flags.size(); ++i) {
        const flags::FlagDesign& design = designs.at(static_cast<std::size_t>(flags[i]));
        const QRectF box(static_cast<double>(i) * (flagSize.width() + kGap) + 0.5, 0.5, flagSize.width() - 1.0,
                         flagSize.height() - 1.0);
        flags::paintFlag(p, design, box);
        p.setBrush(Qt::NoBrush);
        QPen edge(look::kDarkFace, 1);
        edge.setJoinStyle(Qt::MiterJoin);
        p.setPen(edge);
        p.drawPath(flags::outlineOf(design.outline, box.size()).translated(box.topLeft()));
    }
    return picture;
}

QuestionHoist::QuestionHoist(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DrillHoist"));
    table_ = new QLabel(this);
    table_->setObjectName(QStringLiteral("DrillHoistTable"));
    table_->setFont(look::dialogFont(true));
    QPalette pal = table_->palette();
    pal.setColor(QPalette::WindowText, look::kWhite);
    table_->setPalette(pal);
    table_->setGeometry(0, 0, kBoxWidth, kTableNameHeight);
    for (std::size_t p = 0; p < kPositions; ++p) {
        auto* box = new FlagPictureBox(this);
        box->setObjectName(QStringLiteral("DrillHoist%1").arg(p + 1));
        box->resize(kBoxWidth, kBoxHeight);
        positions_[p] = box;
    }
    setFixedSize(kBoxWidth, kTableNameHeight + static_cast<int>(kPositions) * kBoxStep);
}

void QuestionHoist::show(const asking::HoistOfSignal& hoist, std::size_t positions, bool spoken) {
    const codebook::FlownHoist flown = codebook::readHoist(hoist.flown);
    positions = std::clamp<std::size_t>(std::max(positions, flown.size()), 1, kPositions);
    const bool table = !hoist.table.empty();
    table_->setVisible(table);
    table_->setText(table ? QStringLiteral("Таблица %1").arg(QString::fromStdString(hoist.table)) : QString());
    const int top = table ? kTableNameHeight : 0;
    const PictureCatalogue& pictures = PictureCatalogue::instance();
    for (std::size_t p = 0; p < kPositions; ++p) {
        FlagPictureBox* box = positions_[p];
        box->setVisible(p < positions);
        box->move(0, top + static_cast<int>(p) * kBoxStep);
        const bool up = p < flown.size();
        const bool medicalM = hoist.medicalM && p == 0;
        box->showPicture(medicalM ? &pictures.singleM() : up ? &pictures.flag(flown[p].flag) : nullptr);
        QString name = kPlaceNames[p];
        if (medicalM)
            name += QStringLiteral(": Майк (M), медицинский раздел");
        else if (!up)
            name += QStringLiteral(": пусто");
        else if (spoken)
            name += QStringLiteral(": ") + toQString(codebook::spokenFlownFlag(flown[p]));
        else
            name += QStringLiteral(": флаг на рисунке");
        box->setAccessibleName(name);
        box->setToolTip(up && spoken ? toQString(codebook::spokenFlownFlag(flown[p])) : QString());
        QAccessibleEvent changed(box, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

}  // namespace mss::forms
