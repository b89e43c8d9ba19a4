// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/search/search_window.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

#include "forms/search/search_result_delegate.h"
#include "forms/search/search_results_model.h"
#include "forms/shared/face_button.h"
#include "forms/shared/picture_catalogue.h"
#include "forms/shared/window_placement.h"
#include "look/look.h"
#include "qtext/utf8_text.h"
#include "search/search_index.h"
#include "search/typed_message.h"

namespace mss::forms {

namespace {

QString titleText() { return QStringLiteral("Поиск сигнала"); }
QString hintText() {
    return QStringLiteral(
        "Введите слова из значения или код сигнала: «якорь», «AE1», «I-3». "
        "↑ ↓ — выбор, Enter — показать в главном окне, Esc — закрыть.");
}
QString nothingFoundText(bool narrowed) {
    return narrowed ? QStringLiteral(
                          "Среди выбранных сигналов ничего не найдено. "
                          "Выберите раздел «Все» или проверьте написание.")
                    : QStringLiteral("Ничего не найдено. Проверьте написание или введите начало слова.");
}

QPointer<SearchWindow>& theWindow() {
    static QPointer<SearchWindow> window;
    return window;
}

QString summaryOf(std::size_t total, std::size_t shown, bool narrowed) {
    if (total == 0) return nothingFoundText(narrowed);
    if (shown < total) return QStringLiteral("Показаны первые %1 из %2").arg(shown).arg(total);
    return QStringLiteral("Найдено: %1").arg(total);
}

// The keys that move through the results while the cursor stays in the field.
bool movesThroughResults(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

}  // namespace

SearchWindow* SearchWindow::current() { return theWindow().data(); }

SearchWindow* SearchWindow::showSearchWindow(std::shared_ptr<const search::SearchIndex> index,
                                             const codebook::CodeBook& book, const MainWindowPlace& main,
                                             const SheetOutputOptions& output) {
    SearchWindow* window = showOnce(
        theWindow(), [&] { return new SearchWindow(std::move(index), book, output); },
        [&main](SearchWindow& w) { w.placeBeside(main); }, FitOnScreen::ShortenFirst);
    window->field_->setFocus();
    window->field_->selectAll();
    return window;
}

SearchWindow::SearchWindow(std::shared_ptr<const search::SearchIndex> index, const codebook::CodeBook& book,
                           const SheetOutputOptions& output)
    : index_(std::move(index)), book_(&book) {
    setObjectName(QStringLiteral("SearchWindow"));
    setWindowTitle(titleText());
    setWindowIcon(PictureCatalogue::instance().icon());
    setFont(look::dialogFont());
    setMinimumSize(560, 320);
    resize(760, 600);

    // The blue ground of the keyboards, white writing.
    QPalette ground = palette();
    ground.setColor(QPalette::Window, look::kBlue);
    ground.setColor(QPalette::WindowText, look::kWhite);
    setPalette(ground);
    setAutoFillBackground(true);

    auto* prompt = new QLabel(QStringLiteral("&Слова из значения или код сигнала:"), this);
    prompt->setFont(look::dialogFont(true));

    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("SearchField"));
    QFont typed = look::dialogFont();
    typed.setPointSizeF(11);
    field_->setFont(typed);
    field_->setPlaceholderText(QStringLiteral("например: якорь, лоцман, AE1"));
    // Its own clear button: the toolkit's fades in and out, and a window
    // closed while it fades can crash (Qt 6.4). This one shows at once.
    auto* clear = field_->addAction(style()->standardIcon(QStyle::SP_LineEditClearButton), QLineEdit::TrailingPosition);
    clear->setObjectName(QStringLiteral("SearchClear"));
    clear->setToolTip(QStringLiteral("Очистить поле"));
    clear->setVisible(false);
    QObject::connect(clear, &QAction::triggered, field_, &QLineEdit::clear);
    QObject::connect(field_, &QLineEdit::textChanged, clear,
                     [clear](const QString& text) { clear->setVisible(!text.isEmpty()); });
    field_->setAccessibleName(QStringLiteral("Поиск сигнала: слова из значения или код"));
    prompt->setBuddy(field_);

    // The part of the book, and the letter or table within it.
    auto* partLabel = new QLabel(QStringLiteral("&Раздел:"), this);
    partList_ = new QComboBox(this);
    partList_->setObjectName(QStringLiteral("SearchPart"));
    for (const BookPart& part : bookParts()) partList_->addItem(part.title);
    partLabel->setBuddy(partList_);
    narrowingLabel_ = new QLabel(this);
    narrowingList_ = new QComboBox(this);
    narrowingList_->setObjectName(QStringLiteral("SearchNarrowing"));
    narrowingList_->setMaxVisibleItems(27);
    narrowingLabel_->setBuddy(narrowingList_);
    auto* filters = new QHBoxLayout;
    filters->setSpacing(6);
    filters->addWidget(partLabel);
    filters->addWidget(partList_);
    filters->addSpacing(12);
    filters->addWidget(narrowingLabel_);
    filters->addWidget(narrowingList_);
    filters->addStretch(1);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("SearchSummary"));
    summary_->setWordWrap(true);
    QPalette note = summary_->palette();
    note.setColor(QPalette::WindowText, look::kTablesNote);
    summary_->setPalette(note);

    // What was searched, when a word typed was put right.
    correction_ = new QLabel(this);
    correction_->setObjectName(QStringLiteral("SearchCorrection"));
    correction_->setWordWrap(true);
    correction_->setPalette(note);
    correction_->hide();

    // A complement or a message typed («T1430», «c045 s12») read group by
    // group, above the rows found.
    reading_ = new QLabel(this);
    reading_->setObjectName(QStringLiteral("SearchReading"));
    reading_->setTextFormat(Qt::PlainText);
    reading_->setWordWrap(true);
    reading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    reading_->hide();

    model_ = new SearchResultsModel(this);
    results_ = new QListView(this);
    results_->setObjectName(QStringLiteral("SearchResults"));
    results_->setModel(model_);
    delegate_ = new SearchResultDelegate(*model_, *results_);
    results_->setItemDelegate(delegate_);
    results_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->setResizeMode(QListView::Adjust);
    results_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    results_->setUniformItemSizes(true);
    results_->setAccessibleName(QStringLiteral("Список сигналов"));
    QPalette dark = results_->palette();
    dark.setColor(QPalette::Base, look::kDarkFace);
    dark.setColor(QPalette::Text, look::kWhite);
    results_->setPalette(dark);

    // The cards of the rows, printed or saved.
    sheetOutput_ = new SheetOutputBar(
        book, output, [this] { return selectedOrShownCodes(); }, [this] { return codeInHand(); }, this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 10, 10, 10);
    column->setSpacing(6);
    column->addWidget(prompt);
    column->addWidget(field_);
    column->addLayout(filters);
    column->addWidget(summary_);
    column->addWidget(correction_);
    column->addWidget(reading_);
    column->addWidget(results_, 1);
    column->addWidget(sheetOutput_);

    // The cursor stays in the field: a screen reader hears the chosen result
    // as the field's description.
    QObject::connect(results_->selectionModel(), &QItemSelectionModel::currentChanged, this,
                     [this](const QModelIndex& current) {
                         field_->setAccessibleDescription(model_->data(current, Qt::AccessibleTextRole).toString());
                     });
    field_->installEventFilter(this);
    results_->installEventFilter(this);
    QObject::connect(field_, &QLineEdit::textChanged, this, &SearchWindow::search);
    QObject::connect(partList_, &QComboBox::currentIndexChanged, this, &SearchWindow::choosePart);
    QObject::connect(narrowingList_, &QComboBox::currentIndexChanged, this, [this] { search(field_->text()); });
    QObject::connect(field_, &QLineEdit::returnPressed, this, [this] { showResult(results_->currentIndex().row()); });
    QObject::connect(results_, &QListView::doubleClicked, this, [this](const QModelIndex& i) { showResult(i.row()); });
    // Ctrl+F again, here: back to the field to type a new search.
    auto* find = new QShortcut(QKeySequence::Find, this);
    QObject::connect(find, &QShortcut::activated, this, [this] {
        field_->setFocus();
        field_->selectAll();
    });
    setTabOrder(field_, partList_);
    setTabOrder(partList_, narrowingList_);
    setTabOrder(narrowingList_, results_);
    setTabOrder(results_, sheetOutput_->printButton());

    // The whole book, until something is typed.
    choosePart(0);
}

SearchWindow::~SearchWindow() = default;

void SearchWindow::choosePart(int part) {
    if (part < 0 || part >= std::ssize(bookParts())) return;
    const BookPart& chosen = bookParts()[static_cast<std::size_t>(part)];
    narrowingLabel_->setText(chosen.narrowingLabel);
    narrowings_ = narrowingsOf(chosen, index_->rows());
    {
        const QSignalBlocker quiet(narrowingList_);
        narrowingList_->clear();
        for (const NarrowingChoice& choice : narrowings_) narrowingList_->addItem(choice.title);
        narrowingList_->setCurrentIndex(0);
    }
    search(field_->text());
}

const search::RowFilter& SearchWindow::filter() const {
    const auto chosen = static_cast<std::size_t>(std::max(0, narrowingList_->currentIndex()));
    return narrowings_.at(chosen).filter;
}

void SearchWindow::search(const QString& query) {
    const search::RowFilter& within = filter();
    const bool nothingTyped = query.trimmed().isEmpty();
    if (nothingTyped) {
        model_->showBook(index_->rows(), within);
        summary_->setText(QStringLiteral("В списке: %1. ").arg(model_->total()) + hintText());
    } else {
        search::SearchResults found = index_->find(query.toUtf8().toStdString(), within);
        const std::size_t total = found.total, shown = found.results.size();
        model_->setResults(std::move(found));
        summary_->setText(summaryOf(total, shown, !within.admitsEveryRow()));
    }
    // The first row is the one Enter shows, without being selected: with
    // nothing selected, what is done with rows is done with all of them.
    if (model_->rowCount() > 0)
        results_->selectionModel()->setCurrentIndex(model_->index(0), QItemSelectionModel::NoUpdate);
    sheetOutput_->setRowsListed(model_->rowCount() > 0);
    const QString corrected = nothingTyped ? QString() : toQString(model_->corrected());
    correction_->setText(corrected.isEmpty() ? QString()
                                             : QStringLiteral("Показаны результаты для: %1").arg(corrected));
    correction_->setVisible(!corrected.isEmpty());
    const auto reading =
        nothingTyped ? std::nullopt : search::typedMessageReading(*book_, query.toUtf8().toStdString());
    reading_->setText(reading ? toQString(*reading) : QString());
    reading_->setVisible(reading.has_value());
    QString description = summary_->text();
    if (!corrected.isEmpty()) description += u'\n' + correction_->text();
    if (reading) description += u'\n' + reading_->text();
    results_->setAccessibleDescription(description);
}

QStringList SearchWindow::selectedOrShownCodes() const {
    QList<int> rows;
    for (const QModelIndex& selected : results_->selectionModel()->selectedRows()) rows << selected.row();
    if (rows.isEmpty())
        for (int row = 0; row < model_->rowCount(); ++row) rows << row;
    std::sort(rows.begin(), rows.end());
    QStringList codes;
    codes.reserve(rows.size());
    for (const int row : rows) codes << model_->codeAt(row);
    return codes;
}

QString SearchWindow::codeInHand() const {
    const int row = results_->currentIndex().row();
    return row >= 0 && row < model_->rowCount() ? model_->codeAt(row) : QString();
}

void SearchWindow::showResult(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    // The row shown is the one in hand: with nothing else selected it is
    // selected, so that printing and saving take its card, not the list's.
    QItemSelectionModel& selection = *results_->selectionModel();
    if (!selection.hasSelection()) selection.select(model_->index(row), QItemSelectionModel::ClearAndSelect);
    Q_EMIT signalChosen(model_->signalAt(row).code);
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == field_ && movesThroughResults(key->key())) {
            QKeyEvent moved(QEvent::KeyPress, key->key(), key->modifiers());
            QCoreApplication::sendEvent(results_, &moved);
            return true;
        }
        if (watched == results_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            showResult(results_->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SearchWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SearchWindow::placeBeside(const MainWindowPlace& main) {
    // Right of the main window where the screen has room, else left of it;
    // on a screen too narrow for both, over the main window's lower right,
    // under its meaning line, so that the hoist and the meaning stay in sight.
    const QScreen* screen = QGuiApplication::screenAt(main.frame.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    const QRect beside = main.frame;
    const QSize size = frameGeometry().size();
    const int top = std::clamp(beside.top(), free.top(), std::max(free.top(), free.bottom() + 1 - size.height()));
    if (beside.right() + 1 + size.width() <= free.right() + 1) return move(beside.right() + 1, top);
    if (beside.left() - size.width() >= free.left()) return move(beside.left() - size.width(), top);

    const int under = main.belowMeaningLine + 8;
    const int left = std::max(free.left(), std::min(beside.right() + 1, free.right() + 1) - size.width());
    const int room = free.bottom() + 1 - under;
    if (room < minimumHeight()) return move(left, top);
    // Its frame, not known before the window manager has framed it, is
    // fitted on the screen when it is, its foot raised first (showOnce).
    resize(width(), std::min(height(), room));
    move(left, under);
}

}  // namespace mss::forms
