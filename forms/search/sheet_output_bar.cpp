// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/search/sheet_output_bar.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

#include "codebook/codebook.h"
#include "forms/shared/face_button.h"
#include "forms/shared/file_saving.h"
#include "forms/shared/wait_cursor.h"
#include "look/look.h"
#include "print/reference_sheet.h"
#include "print/png_scales.h"
#include "wording/russian_plural.h"

namespace mss::forms {

namespace {

QString cards(long long n) {
    return wording::countOf(n, QStringLiteral("карточка"), QStringLiteral("карточки"), QStringLiteral("карточек"));
}

int kindOf(const QString& extension, int scale) {
    const std::vector<PictureKind>& kinds = pictureKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i)
        if (kinds[i].extension == extension && kinds[i].scale == scale) return static_cast<int>(i);
    return -1;
}

// The kind a picture's file is written in: the kind chosen in the dialog
// when the file's extension is its own or none of a picture's, else the
// extension's (a PNG then at its usual scale).
const PictureKind& pictureKindOf(const QString& path, int chosen) {
    const std::vector<PictureKind>& kinds = pictureKinds();
    const PictureKind& asChosen = kinds.at(static_cast<std::size_t>(chosen));
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == asChosen.extension) return asChosen;
    const int named = kindOf(extension, extension == u"png" ? print::kUsualPngScale : 0);
    return named < 0 ? asChosen : kinds.at(static_cast<std::size_t>(named));
}

FaceButton* button(QWidget* parent, const char* name, const QString& caption, const QString& spoken,
                   const QString& description) {
    auto* b = new FaceButton(caption, look::kDarkFace, look::kWhite, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFont(look::dialogFont(true));
    b->setMinimumSize(130, 28);
    b->setAccessibleName(spoken);
    b->setAccessibleDescription(description);
    b->setToolTip(description);
    return b;
}

}  // namespace

const std::vector<PictureKind>& pictureKinds() {
    static const std::vector<PictureKind> kinds = [] {
        std::vector<PictureKind> offered;
        for (int scale : print::kPngScales)
            offered.push_back({QStringLiteral("Картинка PNG %1× (*.png)").arg(scale), QStringLiteral("png"), scale});
        offered.push_back({QStringLiteral("Картинка SVG (*.svg)"), QStringLiteral("svg"), 0});
        return offered;
    }();
    return kinds;
}

SheetOutputBar::SheetOutputBar(const codebook::CodeBook& book, SheetOutputOptions options,
                             std::function<QStringList()> codes, std::function<QString()> codeInHand,
                             QWidget* parent)
    : QWidget(parent),
      book_(book),
      options_(std::move(options)),
      codes_(std::move(codes)),
      codeInHand_(std::move(codeInHand)),
      destination_(options_.chooseFile),
      pictureKind_(kindOf(QStringLiteral("png"), print::kUsualPngScale)) {
    setObjectName(QStringLiteral("CardOutput"));

    print_ = button(this, "PrintCards", QStringLiteral("Печать…"), QStringLiteral("Печать карточек"),
                    QStringLiteral("Напечатать карточки выбранных сигналов, а если ничего не выбрано — всех "
                                   "сигналов списка; сначала откроется предварительный просмотр (Ctrl+P)"));
    print_->setShortcut(QKeySequence::Print);
    pdf_ = button(this, "SaveCardsPdf", QStringLiteral("Сохранить PDF…"), QStringLiteral("Сохранить карточки в PDF"),
                  QStringLiteral("Сохранить карточки выбранных сигналов, а если ничего не выбрано — всех "
                                 "сигналов списка, в файл PDF: листы A4, по нескольку карточек на листе (Ctrl+S)"));
    pdf_->setShortcut(QKeySequence::Save);

    cutMarks_ = new QCheckBox(QStringLiteral("&Линии отреза"), this);
    cutMarks_->setObjectName(QStringLiteral("CutMarks"));
    cutMarks_->setAccessibleName(QStringLiteral("Линии отреза"));
    cutMarks_->setToolTip(QStringLiteral("Печатать у углов карточек метки, по которым их разрезают, "
                                         "вместо тонкой рамки (для печати и PDF)"));
    cutMarks_->setAccessibleDescription(cutMarks_->toolTip());
    QPalette onBlue = cutMarks_->palette();
    onBlue.setColor(QPalette::WindowText, look::kWhite);
    cutMarks_->setPalette(onBlue);

    picture_ = button(this, "ExportCardPicture", QStringLiteral("Экспорт картинки…"),
                      QStringLiteral("Экспорт карточки картинкой"),
                      QStringLiteral("Сохранить карточку сигнала в текущей строке картинкой: SVG или PNG "
                                     "обычного размера, вдвое или вчетверо крупнее"));

    report_ = new QLabel(this);
    report_->setObjectName(QStringLiteral("CardOutputReport"));
    QPalette note = report_->palette();
    note.setColor(QPalette::WindowText, look::kTablesNote);
    report_->setPalette(note);
    // One line, whatever its length: a long path is cut at the window's
    // edge (the tooltip holds it whole) rather than widening the window.
    report_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    report_->setFixedHeight(report_->fontMetrics().height());
    report_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(6);
    buttons->addWidget(print_);
    buttons->addWidget(pdf_);
    buttons->addSpacing(6);
    buttons->addWidget(cutMarks_);
    buttons->addStretch(1);
    buttons->addWidget(picture_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addLayout(buttons);
    column->addWidget(report_);

    setTabOrder(print_, pdf_);
    setTabOrder(pdf_, cutMarks_);
    setTabOrder(cutMarks_, picture_);
    connect(print_, &QPushButton::clicked, this, &SheetOutputBar::printCards);
    connect(pdf_, &QPushButton::clicked, this, &SheetOutputBar::saveCardsPdf);
    connect(picture_, &QPushButton::clicked, this, &SheetOutputBar::exportCardPicture);
}

void SheetOutputBar::setRowsListed(bool listed) {
    for (QWidget* control : {static_cast<QWidget*>(print_), static_cast<QWidget*>(pdf_),
                             static_cast<QWidget*>(picture_)})
        control->setEnabled(listed);
}

print::DocumentPrinter* SheetOutputBar::openPrinter() {
    const print::PrinterModule* module = nullptr;
    {
        const WaitCursor wait;  // the first time, its libraries are loaded
        module = &options_.printerModule();
    }
    if (!module->printer) options_.warn(window(), window()->windowTitle(), module->problem);
    return module->printer;
}

std::optional<print::Document> SheetOutputBar::documentOf(const QStringList& codes, QString& problem) const {
    std::vector<print::ReferenceSheet> made;
    made.reserve(static_cast<std::size_t>(codes.size()));
    QStringList unknown;
    for (const QString& code : codes) {
        if (auto card = print::sheetOf(book_, code))
            made.push_back(std::move(*card));
        else
            unknown << QStringLiteral("«%1»").arg(code);
    }
    if (!unknown.isEmpty()) {
        problem = QStringLiteral("В своде нет %1: карточки не сделаны.").arg(unknown.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    return print::Document::ofSheets(print::titleOfSheets(made), made, cutMarks_->isChecked());
}

void SheetOutputBar::say(const QString& text) {
    announce(report_, text);
    // Seen before the long work that follows, not after it.
    report_->repaint();
}

void SheetOutputBar::printCards() {
    const QStringList codes = codes_();
    if (codes.isEmpty()) return;
    print::DocumentPrinter* printer = openPrinter();
    if (!printer) return;
    // The cursor waits while the cards are made and the preview draws its
    // pages; it is itself again once the preview takes the learner's input.
    auto wait = std::make_shared<WaitCursor>();
    say(QStringLiteral("Подготовка к печати: %1…").arg(cards(codes.size())));
    QString problem;
    const std::optional<print::Document> document = documentOf(codes, problem);
    if (!document) {
        wait->end();
        return fail(problem);
    }
    QTimer::singleShot(0, this, [wait] { wait->end(); });
    const bool printed = printer->printWithPreview(*document, window());
    wait->end();
    say(printed ? QStringLiteral("Отправлено на печать: %1.").arg(cards(codes.size()))
                : QStringLiteral("Печать отменена."));
}

void SheetOutputBar::saveCardsPdf() {
    const QStringList codes = codes_();
    if (codes.isEmpty()) return;
    print::DocumentPrinter* printer = openPrinter();
    if (!printer) return;
    const QString name = codes.size() == 1 ? QStringLiteral("Карточка %1.pdf").arg(codes.front())
                                           : QStringLiteral("Карточки МСС-65.pdf");
    const ChosenFile chosen =
        destination_.ask(window(), QStringLiteral("Сохранить карточки в PDF"), name, {pdfFileKind()}, 0);
    if (chosen.path.isEmpty()) return;
    const QString file = destination_.settle(chosen.path, QStringLiteral("pdf"));

    QString problem;
    {
        const WaitCursor wait;
        say(QStringLiteral("Сохранение PDF: %1…").arg(cards(codes.size())));
        if (const std::optional<print::Document> document = documentOf(codes, problem))
            problem = printer->savePdf(*document, file);
    }
    if (!problem.isEmpty()) return fail(problem);
    say(QStringLiteral("PDF сохранён: %1 — %2.").arg(QDir::toNativeSeparators(file), cards(codes.size())));
}

void SheetOutputBar::fail(const QString& problem) {
    say(QString());
    options_.warn(window(), window()->windowTitle(), problem);
}

void SheetOutputBar::exportCardPicture() {
    const QString code = codeInHand_();
    if (code.isEmpty()) return;
    print::DocumentPrinter* printer = openPrinter();
    if (!printer) return;
    const std::optional<print::ReferenceSheet> card = print::sheetOf(book_, code);
    if (!card) return fail(QStringLiteral("В своде нет «%1»: картинка не сделана.").arg(code));
    QStringList titles;
    for (const PictureKind& kind : pictureKinds()) titles << kind.title;
    const PictureKind& preferred = pictureKinds().at(static_cast<std::size_t>(pictureKind_));
    const ChosenFile chosen =
        destination_.ask(window(), QStringLiteral("Экспорт карточки %1 картинкой").arg(code),
                         QStringLiteral("Карточка %1.%2").arg(code, preferred.extension), titles, pictureKind_);
    if (chosen.path.isEmpty() || chosen.kind < 0 || chosen.kind >= titles.size()) return;
    pictureKind_ = chosen.kind;
    const PictureKind& kind = pictureKindOf(chosen.path, chosen.kind);
    const QString file = destination_.settle(chosen.path, kind.extension);

    QString problem;
    {
        const WaitCursor wait;
        problem = kind.scale == 0 ? printer->saveSheetSvg(*card, file) : printer->saveSheetPng(*card, file, kind.scale);
    }
    if (!problem.isEmpty()) return fail(problem);
    const QString what = kind.scale == 0 ? QStringLiteral("SVG") : QStringLiteral("PNG, %1×").arg(kind.scale);
    say(QStringLiteral("Карточка %1 сохранена: %2 (%3).").arg(code, QDir::toNativeSeparators(file), what));
}

}  // namespace mss::forms
