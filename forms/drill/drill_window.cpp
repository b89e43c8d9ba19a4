// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_window.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QStackedWidget>
#include <QTimer>

#include <random>
#include <set>

#include "forms/drill/drill_choice_bar.h"
#include "forms/drill/drill_keys.h"
#include "forms/drill/drill_pages.h"
#include "forms/drill/drill_texts.h"
#include "forms/drill/page_filling.h"
#include "forms/question/meaning_buttons.h"
#include "forms/question/question_controls.h"
#include "forms/question/question_keyboard.h"
#include "forms/question/question_page.h"
#include "forms/shared/face_button.h"
#include "forms/shared/picture_catalogue.h"
#include "forms/shared/window_placement.h"
#include "look/look.h"

namespace mss::forms {

namespace {

using asking::AskMode;
using asking::SignalSet;
using Stage = drill::DrillFlow::Stage;
namespace texts = drill_texts;

constexpr int kClientWidth = 792, kClientHeight = 596;

std::uint64_t seedOf(std::uint64_t wanted) {
    if (wanted != 0) return wanted;
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

QPointer<DrillWindow>& theWindow() {
    static QPointer<DrillWindow> window;
    return window;
}

}  // namespace

DrillWindow* DrillWindow::current() { return theWindow().data(); }

DrillWindow* DrillWindow::showDrillWindow(const std::function<DrillWindow*()>& make, const QWidget* near) {
    return showOnce(theWindow(), make, [near](QWidget& w) { placeCentred(w, near); });
}

DrillWindow::DrillWindow(const codebook::CodeBook& book, std::unique_ptr<progress::ProgressStore> store,
                         DrillWindowOptions options)
    : options_(std::move(options)), seed_(seedOf(options_.seed)), store_(std::move(store)), book_(book) {
    setObjectName(QStringLiteral("DrillWindow"));
    setWindowTitle(texts::kWindowTitle);
    setWindowIcon(PictureCatalogue::instance().icon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(look::dialogFont());
    setFixedSize(kClientWidth, kClientHeight);

    flow_ = std::make_unique<drill::DrillFlow>(book, *store_, options_.clock, asking::seededRandomSource(seed_));
    // Answers another program kept from the file are written when it frees.
    writeWaiting_ = new QTimer(this);
    writeWaiting_->setInterval(1000);
    QObject::connect(writeWaiting_, &QTimer::timeout, this, [this] {
        if (store_->writeWaiting() != asking::Keeping::Pending) writeWaiting_->stop();
        showNotices();
    });

    buildControls();
    connectControls();
    flow_->open();
    showStage();
}

DrillWindow::~DrillWindow() {
    // Closed with the program: a ticket in hand keeps what it needs to be taken up again.
    if (exam_) exam_->leaveTicket();
}

void DrillWindow::closeEvent(QCloseEvent* event) {
    if (exam_) {
        const QString question = exam_->leaveQuestion();
        if (!question.isEmpty() && !options_.ask(this, exam_->title(), question)) {
            event->ignore();
            return;
        }
    }
    if (exam_) exam_->leaveTicket();
    QWidget::closeEvent(event);
}

void DrillWindow::buildControls() {
    // Created in the order Tab goes through them: the choice, then the page.
    std::set<char> letters;
    for (const asking::Signal& s : flow_->signalsIn(SignalSet::General)) letters.insert(s.code.front());
    drillArea_ = new QWidget(this);
    bar_ = new DrillChoiceBar([this](SignalSet set) { return static_cast<int>(flow_->signalsIn(set).size()); },
                              std::vector<char>(letters.begin(), letters.end()), drillArea_);
    pages_ = new QStackedWidget(drillArea_);
    pages_->setObjectName(QStringLiteral("DrillPages"));
    questionPage_ = new QuestionPage(pages_);
    summaryPage_ = new SummaryPage(pages_);
    progressPage_ = new ProgressPage(pages_);
    pages_->addWidget(questionPage_);
    pages_->addWidget(summaryPage_);
    pages_->addWidget(progressPage_);
    score_ = label(drillArea_, "DrillScore", look::dialogFont(true), look::kWhite);
    score_->setFocusPolicy(Qt::TabFocus);
    auto* drill = new QVBoxLayout(drillArea_);
    drill->setContentsMargins(0, 0, 0, 0);
    drill->addWidget(bar_);
    drill->addSpacing(8);
    drill->addWidget(pages_, 1);
    drill->addWidget(score_);

    drillOrExam_ = new QStackedWidget(this);
    drillOrExam_->addWidget(drillArea_);
    // The notice may run to several lines (a long path): it takes the room it needs.
    notice_ = label(this, "DrillNotice", look::dialogFont(true), look::kGlint);
    notice_->setFocusPolicy(Qt::TabFocus);
    notice_->setVisible(false);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(16, 8, 16, 4);
    window->addWidget(drillOrExam_, 1);
    window->addWidget(notice_);
}

void DrillWindow::connectControls() {
    QObject::connect(bar_, &DrillChoiceBar::chosen, this, [this](const drill::DrillChoice& c) { choose(c); });
    QObject::connect(bar_, &DrillChoiceBar::progressAsked, this, [this] {
        flow_->showProgress();
        showStage();
    });
    QObject::connect(bar_, &DrillChoiceBar::finishAsked, this, [this] {
        flow_->finish();
        showStage();
    });
    QObject::connect(bar_, &DrillChoiceBar::examAsked, this, [this] { openExam(); });
    QObject::connect(questionPage_->keyboard(), &QuestionKeyboard::flagPressed, this, [this](int flag) {
        flow_->raise(flag);
        flow_->stage() == Stage::Answered ? showAnswer() : showTyped();
    });
    QObject::connect(questionPage_->choices(), &MeaningButtons::chosen, this, [this](int place) {
        flow_->pick(static_cast<std::size_t>(place));
        showStage();
    });
    QObject::connect(questionPage_->nextButton(), &QPushButton::clicked, this, [this] {
        flow_->next();
        showStage();
    });
    QObject::connect(summaryPage_->repeatButton(), &QPushButton::clicked, this, [this] {
        flow_->repeatMistakes();
        showStage();
    });
    QObject::connect(summaryPage_->newSessionButton(), &QPushButton::clicked, this,
                     [this] { choose(flow_->choice()); });
    QObject::connect(summaryPage_->reviewEarlyButton(), &QPushButton::clicked, this, [this] {
        mistakesOfTicket_.reset();
        flow_->reviewEarly();
        showStage();
    });
    QObject::connect(progressPage_->trainButton(), &QPushButton::clicked, this,
                     [this] { drillSignals(progressPage_->hardestCodes()); });
    QObject::connect(progressPage_->resetButton(), &QPushButton::clicked, this, [this] { resetProgress(); });
    QObject::connect(progressPage_->backButton(), &QPushButton::clicked, this, [this] {
        flow_->leaveProgress();
        showStage();
    });
}

void DrillWindow::choose(const drill::DrillChoice& choice) {
    mistakesOfTicket_.reset();
    flow_->choose(choice);
    showStage();
}

void DrillWindow::drillSignals(const std::vector<std::string>& codes) {
    mistakesOfTicket_.reset();
    flow_->drillThese(codes);
    showStage();
}

void DrillWindow::openExam() {
    if (!exam_) {
        if (!options_.makeExam) return;
        ExamCalls calls;
        calls.leave = [this] { closeExam(); };
        calls.drillMistakes = [this](const std::vector<asking::Topic>& topics, int ticket) {
            flow_->drillTopics(topics);
            mistakesOfTicket_ = ticket;
            closeExam();
        };
        exam_ = options_.makeExam(*this, *store_, std::move(calls));
        drillOrExam_->addWidget(exam_->widget());
    }
    setWindowTitle(exam_->title());
    drillOrExam_->setCurrentWidget(exam_->widget());
    exam_->shown();
}

void DrillWindow::closeExam() {
    setWindowTitle(texts::kWindowTitle);
    drillOrExam_->setCurrentWidget(drillArea_);
    showStage();
}

void DrillWindow::showStage() {
    // The mistakes of a ticket are of several sets and modes: none of them shows as chosen.
    if (mistakesOfTicket_)
        bar_->showNoChoice();
    else
        bar_->show(flow_->choice());
    switch (flow_->stage()) {
        case Stage::Asking: showQuestion(); break;
        case Stage::Answered: showAnswer(); break;
        case Stage::Summary: showSummary(); break;
        case Stage::NothingToAsk: showNothingToAsk(); break;
        case Stage::Progress: showProgress(); break;
    }
    showNotices();
}

void DrillWindow::showQuestion() {
    pages_->setCurrentWidget(questionPage_);
    fillQuestion(*questionPage_, *flow_);
    showScore();
    questionPage_->question()->setFocus();
}

void DrillWindow::showTyped() { fillTyped(*questionPage_, *flow_); }

void DrillWindow::showAnswer() {
    pages_->setCurrentWidget(questionPage_);
    fillAnswer(*questionPage_, *flow_);
    showScore();
    // The file was busy: the answer waits in memory and is written as it frees.
    if (flow_->outcome()->keeping == asking::Keeping::Pending) writeWaiting_->start();
    showNotices();
    // A screen reader reads the result as the focus comes to it; Enter or
    // Space goes on from there.
    questionPage_->result()->setFocus();
}

void DrillWindow::showSummary() {
    pages_->setCurrentWidget(summaryPage_);
    const bool mistakes = fillSummary(*summaryPage_, *flow_);
    showScore();
    (mistakes ? summaryPage_->repeatButton() : summaryPage_->newSessionButton())->setFocus();
}

void DrillWindow::showNothingToAsk() {
    pages_->setCurrentWidget(summaryPage_);
    fillNothingToAsk(*summaryPage_, *flow_);
    showScore();
    summaryPage_->reviewEarlyButton()->setFocus();
}

void DrillWindow::showProgress() {
    fillProgress(*progressPage_, *flow_, *store_);
    pages_->setCurrentWidget(progressPage_);
    progressPage_->backButton()->setFocus();
}

void DrillWindow::showScore() {
    const bool finished = flow_->stage() == Stage::Summary || flow_->stage() == Stage::NothingToAsk;
    QString line = texts::scoreLine(flow_->tally(), flow_->questionNumber(), flow_->questionCount(), finished);
    if (mistakesOfTicket_) line = QStringLiteral("Ошибки билета № %1 · %2").arg(*mistakesOfTicket_).arg(line);
    score_->setText(line);
    score_->setAccessibleName(QStringLiteral("Счёт: ") + line);
}

void DrillWindow::showNotices() {
    // Answers may wait from before, as for a file another copy is upgrading.
    if (store_->answersWaiting() && !writeWaiting_->isActive()) writeWaiting_->start();
    QStringList lines;
    for (const std::string& line : flow_->notices()) lines << QString::fromStdString(line);
    const QString text = lines.join(QLatin1Char('\n'));
    if (text == notice_->text()) return;
    notice_->setText(text);
    notice_->setAccessibleName(QStringLiteral("Сообщение: ") + text);
    notice_->setVisible(!text.isEmpty());
}

void DrillWindow::resetProgress() {
    if (!options_.ask(this, texts::kWindowTitle, texts::kResetQuestion)) return;
    store_->resetAll();
    // The session in hand was planned from the progress just deleted: a new
    // one begins, on view once the learner leaves the progress view.
    flow_->restart();
    flow_->showProgress();
    showStage();
}

void DrillWindow::keyPressEvent(QKeyEvent* event) {
    // Escape closes the window, the drill's or the exam's, as it closes the
    // search; every answer is in the progress file already.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return event->accept();
    }
    switch (pressDrillKey(*flow_, *questionPage_->keyboard(), *event)) {
        case DrillKeyEffect::None: return QWidget::keyPressEvent(event);
        case DrillKeyEffect::Handled: break;
        case DrillKeyEffect::FlagTakenDown: showTyped(); break;
        case DrillKeyEffect::StageChanged: showStage(); break;
    }
    event->accept();
}

void DrillWindow::paintEvent(QPaintEvent*) {
    // The main window's ground: its background picture over the highlight colour.
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Highlight));
    p.drawPixmap(0, 0, PictureCatalogue::instance().mainBackground());
}

}  // namespace mss::forms
