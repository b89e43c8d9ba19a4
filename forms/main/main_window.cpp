// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/main/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <vector>

#include "forms/main/about_window.h"
#include "forms/shared/animated_label.h"
#include "caption/caption_hook.h"
#include "forms/shared/face_button.h"
#include "forms/shared/flag_picture_box.h"
#include "forms/main/hoist_view.h"
#include "forms/shared/keyboard_frame.h"
#include "forms/main/keyboard_panel.h"
#include "forms/main/layout.h"
#include "look/look.h"
#include "forms/main/meaning_line.h"
#include "forms/shared/picture_catalogue.h"
#include "forms/main/section_buttons.h"
#include "forms/shared/twips.h"
#include "forms/shared/window_placement.h"

namespace mss::forms {

namespace {

using codebook::CodeList;
using engine::Changes;
using engine::Element;

constexpr std::array<int, engine::kSlideTimers.size()> kSlidePeriodsMs{5000, 3000, 2000};

// The window's surface: the background picture, drawn unscaled from the top
// left corner over the system highlight colour.
class ClientArea : public QWidget {
public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Highlight));
        p.drawPixmap(0, 0, PictureCatalogue::instance().mainBackground());
    }
};

void place(QWidget* w, const TextControlLayout& layout) {
    w->setObjectName(QString::fromLatin1(layout.at.name.data(), static_cast<qsizetype>(layout.at.name.size())));
    w->setGeometry(pxRect(layout.at.left, layout.at.top, layout.at.width, layout.at.height));
    if (!layout.toolTip.isEmpty()) w->setToolTip(layout.toolTip);
}

// A button that opens another window, in the look of the top row of section
// buttons, with a key of the computer's keyboard that does the same.
FaceButton* windowButton(const TextControlLayout& layout, const QKeySequence& key, QWidget* client) {
    auto* b = new FaceButton(layout.text, look::kDarkFace, look::kWhite, client);
    b->setFont(look::dialogFont(true));
    place(b, layout);
    b->setAccessibleName(layout.text);
    b->setAccessibleDescription(layout.toolTip);
    auto* shortcut = new QShortcut(key, client->window());
    QObject::connect(shortcut, &QShortcut::activated, b, &QPushButton::click);
    return b;
}

}  // namespace

MainWindow::MainWindow(const codebook::CodeBook& book, YesNoQuestion ask) : ask_(std::move(ask)) {
    setObjectName(QStringLiteral("tolm"));
    const WindowLayout& form = mainWindowLayout();
    setWindowTitle(form.caption);
    setWindowIcon(PictureCatalogue::instance().icon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(look::dialogFont());
    client_ = new ClientArea(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    client_->setFixedSize(px(form.clientWidth), px(form.clientHeight));
    setFixedSize(client_->size());

    // The controls, in the order they lie on one another.
    title_ = new AnimatedLabel(titleLayout().text, look::serifFont(look::kTitlePoints), look::kWhite, client_);
    place(title_, titleLayout());
    title_->setVisible(true);

    ship_ = new QLabel(client_);
    ship_->setPixmap(PictureCatalogue::instance().ship());
    ship_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(ship_, shipLayout());
    ship_->setVisible(true);

    hoist_ = new HoistView(client_);
    sections_ = new SectionButtons(client_);

    tablesNote_ = new QLabel(tablesNoteLayout().text, client_);
    tablesNote_->setFont(look::dialogFont(true));
    QPalette notePalette = tablesNote_->palette();
    notePalette.setColor(QPalette::WindowText, look::kTablesNote);
    tablesNote_->setPalette(notePalette);
    place(tablesNote_, tablesNoteLayout());
    tablesNote_->adjustSize();
    tablesNote_->setVisible(tablesNoteLayout().at.visibleAtStart);

    meaningLine_ = new MeaningLine(book, client_);
    // Letters and digits typed while a list has the focus press keys, as
    // everywhere else in the window, instead of searching the list.
    for (const auto& info : codebook::kCodeLists) meaningLine_->list(info.list)->installEventFilter(this);
    keyboards_ = new KeyboardPanel(client_);
    drillButton_ = windowButton(drillButtonLayout(), QKeySequence(Qt::Key_F2), client_);
    searchButton_ = windowButton(searchButtonLayout(), QKeySequence::Find, client_);
    applyTabOrder();
    QObject::connect(drillButton_, &QPushButton::clicked, this, &MainWindow::drillRequested);
    QObject::connect(searchButton_, &QPushButton::clicked, this, &MainWindow::searchRequested);
    // The exam opens in the drill window's place (F3; the «Тренировка» button's tooltip says so).
    auto* exam = new QShortcut(QKeySequence(Qt::Key_F3), this);
    QObject::connect(exam, &QShortcut::activated, this, &MainWindow::examRequested);

    QObject::connect(sections_, &SectionButtons::sectionChosen, this, [this](auto s) { sectionChosen(s); });
    QObject::connect(meaningLine_, &MeaningLine::rowPicked, this, [this](auto list, int row) { rowPicked(list, row); });
    QObject::connect(keyboards_, &KeyboardPanel::keyPressed, this, [this](auto key) { keyPressed(key); });
    for (engine::SlideTimer t : engine::kSlideTimers) {
        QTimer& timer = timers_[engine::slotOf(t)];
        timer.setInterval(kSlidePeriodsMs[engine::slotOf(t)]);
        QObject::connect(&timer, &QTimer::timeout, this, [this, t] { slideTimerTicked(t); });
    }
    project(Changes(Changes::kAll));
}

MainWindow::~MainWindow() = default;

void MainWindow::applyTabOrder() {
    std::vector<std::pair<int, QWidget*>> order = keyboards_->tabStops();
    for (const auto& stops : {sections_->tabStops(), meaningLine_->tabStops()})
        order.insert(order.end(), stops.begin(), stops.end());
    // The drill and search buttons share the last section button's index and
    // follow it.
    order.emplace_back(drillButtonLayout().at.tabIndex, drillButton_);
    order.emplace_back(searchButtonLayout().at.tabIndex, searchButton_);
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

void MainWindow::load() {
    caption::InstallCaptionHook(this, client_);
    // The window opens in the middle of the screen, its caption on it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(placedTopLeft(frameGeometry().size(), screen->availableGeometry(), screen->availableGeometry()));
    engine_.load();
    project(engine_.takeChanges());
    for (engine::SlideTimer t : engine::kSlideTimers)
        if (engine_.isRunning(t)) slideTimer(t)->start();
}

void MainWindow::keyPressed(engine::KeyId key) {
    switch (key.role) {
        case engine::KeyRole::About:
            AboutWindow::showAboutWindow(this);
            return;
        case engine::KeyRole::Exit:
            if (ask_(this, kExitTitle, keyboardLayout(key.keyboard).exitQuestion)) close();
            return;
        case engine::KeyRole::Flag:
            engine_.pressKey(key);
            project(engine_.takeChanges());
            return;
    }
}

void MainWindow::sectionChosen(engine::Section section) {
    engine_.chooseSection(section);
    project(engine_.takeChanges());
}

void MainWindow::slideTimerTicked(engine::SlideTimer timer) {
    if (!engine_.isRunning(timer)) return;
    engine_.tick(timer);
    project(engine_.takeChanges());
}

void MainWindow::rowPicked(CodeList list, int row) {
    engine_.pickRow(list, row);
    project(engine_.takeChanges());
}

void MainWindow::setOnView(Element e, bool onView) {
    for (engine::Keyboard k : engine::kKeyboards)
        if (engine::elementOf(k) == e) return keyboards_->frame(k)->setVisible(onView);
    for (const auto& info : codebook::kCodeLists)
        if (engine::elementOf(info.list) == e) return meaningLine_->setOnView(info.list, onView);
    switch (e) {
        case Element::FirstFlagPosition: hoist_->position(engine::HoistPosition::First)->setVisible(onView); break;
        case Element::MedicalFlagM: hoist_->medicalM()->setVisible(onView); break;
        case Element::TablesNote: tablesNote_->setVisible(onView); break;
        default: break;
    }
}

void MainWindow::project(Changes changes) {
    if (!changes.any()) return;
    for (engine::HoistPosition p : engine::kHoistPositions)
        if (changes.has(Changes::of(p))) hoist_->show(p, engine_.flagAt(p));
    for (const auto& info : codebook::kCodeLists)
        if (changes.has(Changes::of(info.list)))
            meaningLine_->show(info.list, engine_.editField(info.list), engine_.selection(info.list));
    // A keyboard that hides with the focus on one of its keys hands the
    // focus to the keyboard that takes its place, on the key of the same
    // flag, rather than to whatever control comes next in the tab order.
    const auto focusedKeyboard = keyboards_->keyboardWithFocus();
    const QWidget* focusedKey = QApplication::focusWidget();
    for (std::size_t e = 0; e < engine::kElementCount; ++e) {
        const auto element = static_cast<Element>(e);
        if (changes.has(Changes::of(element))) setOnView(element, engine_.isShown(element));
    }
    if (focusedKeyboard && !engine_.isShown(engine::elementOf(*focusedKeyboard)))
        if (const auto onView = engine_.keyboardOnView())
            keyboards_->focusKeyboard(*onView, flagOfKey(focusedKey, *focusedKeyboard));
    for (engine::SlideTimer t : engine::kSlideTimers)
        if (changes.has(Changes::of(t)) && !engine_.isRunning(t)) slideTimer(t)->stop();
    if (changes.has(Changes::kSection)) sections_->showChosen(engine_.chosenSection());
}

int MainWindow::flagOfKey(const QWidget* widget, engine::Keyboard keyboard) const {
    for (const engine::KeyDefinition& key : engine::keysOf(keyboard))
        if (key.id.role == engine::KeyRole::Flag && keyboards_->key(key.id) == widget) return key.id.flag;
    return -1;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && keyboards_->type(*static_cast<QKeyEvent*>(event))) return true;
    return QWidget::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Typing a letter or digit presses the same key of the keyboard on view,
    // just as a click would.
    if (keyboards_->type(*event)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A close request is never refused and asks nothing.
    for (QTimer& t : timers_) t.stop();
    event->accept();
}

}  // namespace mss::forms
