// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/exam/exam_panel.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>

#include "forms/exam/exam_pages.h"
#include "forms/exam/exam_texts.h"
#include "forms/question/meaning_buttons.h"
#include "forms/question/question_controls.h"
#include "forms/question/question_keyboard.h"
#include "forms/question/question_keys.h"
#include "forms/question/question_page.h"
#include "forms/shared/face_button.h"
#include "forms/shared/file_saving.h"
#include "look/look.h"
#include "print/printer_module.h"
#include "print/ticket_document.h"
#include "qtext/utf8_text.h"
#include "wording/russian_plural.h"

namespace mss::forms {

namespace {

using Stage = exam::ExamFlow::Stage;
namespace texts = exam_texts;

}  // namespace

ExamPanel::ExamPanel(const codebook::CodeBook& book, exam::ExamKeeper& keeper, asking::Clock clock,
                     asking::RandomSource random, FileChooser chooseFile, QWidget* parent)
    : QWidget(parent), flow_(book, exam::ExamSignals::shipped(), keeper, std::move(clock), std::move(random)),
      destination_(std::move(chooseFile)) {
    setObjectName(QStringLiteral("ExamPanel"));
    pages_ = new QStackedWidget(this);
    pages_->addWidget(start_ = new ExamStartPage(this));
    pages_->addWidget(questions_ = new ExamQuestionsPage(this));
    pages_->addWidget(results_ = new ExamResultsPage(this));
    pages_->addWidget(history_ = new ExamHistoryPage(this));
    printNote_ = label(this, "ExamPrintNote", look::dialogFont(false), look::kWhite);
    printNote_->setFocusPolicy(Qt::TabFocus);
    fileNote_ = label(this, "ExamFileNote", look::dialogFont(false), look::kGlint);
    fileNote_->setWordWrap(true);
    fileNote_->setFocusPolicy(Qt::TabFocus);
    fileNote_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_, 1);
    layout->addWidget(fileNote_);
    layout->addWidget(printNote_);
    // Ticks only while a ticket with a time limit runs.
    clockTimer_ = new QTimer(this);
    clockTimer_->setInterval(1000);
    QObject::connect(clockTimer_, &QTimer::timeout, this, [this] { showTime(); });
    // Runs only while answers or the grade wait for the file.
    writeWaiting_ = new QTimer(this);
    writeWaiting_->setInterval(1000);
    QObject::connect(writeWaiting_, &QTimer::timeout, this, [this] {
        flow_.writeWaiting();
        showFileNotices();
    });
    connectControls();
}

ExamPanel::~ExamPanel() = default;

void ExamPanel::connectControls() {
    const auto begin = [this](bool random) {
        flow_.choose(start_->choice());
        random ? flow_.startRandom() : flow_.start();
        start_->showNumber(flow_.choice().number);
        showStage();
    };
    QObject::connect(start_->startButton(), &QPushButton::clicked, this, [begin] { begin(false); });
    QObject::connect(start_->randomButton(), &QPushButton::clicked, this, [begin] { begin(true); });
    QObject::connect(start_->historyButton(), &QPushButton::clicked, this, [this] {
        flow_.showHistory();
        showStage();
    });
    QObject::connect(start_->printButton(), &QPushButton::clicked, this, [this] {
        flow_.choose(start_->choice());
        print(print::ticketDocument(flow_.chosenTicket()));
    });
    QObject::connect(start_->saveButton(), &QPushButton::clicked, this, [this] {
        flow_.choose(start_->choice());
        const exam::Ticket ticket = flow_.chosenTicket();
        savePdf(print::ticketDocument(ticket), QStringLiteral("билет-%1.pdf").arg(ticket.number));
    });
    QObject::connect(start_->backButton(), &QPushButton::clicked, this, [this] { Q_EMIT leave(); });

    QuestionPage* question = questions_->question();
    QObject::connect(question->keyboard(), &QuestionKeyboard::flagPressed, this, [this](int flag) {
        flow_.raise(flag);
        showAnswer();  // the flag up, or why it cannot go up
    });
    QObject::connect(question->choices(), &MeaningButtons::chosen, this, [this](int place) {
        flow_.pick(static_cast<std::size_t>(place));
        showAnswer();
    });
    QObject::connect(questions_->previousButton(), &QPushButton::clicked, this, [this] {
        flow_.previous();
        showQuestion();
    });
    QObject::connect(questions_->nextButton(), &QPushButton::clicked, this, [this] {
        flow_.next();
        showQuestion();
    });
    QObject::connect(questions_->handInButton(), &QPushButton::clicked, this, [this] { handIn(); });

    QObject::connect(results_->repeatButton(), &QPushButton::clicked, this,
                     [this] { Q_EMIT drillMistakes(flow_.mistakesToDrill(), flow_.ticket().number); });
    QObject::connect(results_->againButton(), &QPushButton::clicked, this, [this] { showStart(); });
    QObject::connect(results_->printButton(), &QPushButton::clicked, this,
                     [this] { print(print::resultDocument(flow_.ticket(), flow_.result())); });
    QObject::connect(results_->saveButton(), &QPushButton::clicked, this, [this] {
        savePdf(print::resultDocument(flow_.ticket(), flow_.result()),
                QStringLiteral("зачёт-билет-%1.pdf").arg(flow_.ticket().number));
    });

    QObject::connect(history_->backButton(), &QPushButton::clicked, this, [this] { showStart(); });
    QObject::connect(history_->table(), &QTableWidget::currentCellChanged, this, [this] { showResumable(); });
    QObject::connect(history_->table(), &QTableWidget::cellActivated, this,
                     [this] { history_->resumeButton()->click(); });
    QObject::connect(history_->resumeButton(), &QPushButton::clicked, this, [this] {
        if (const auto row = history_->chosenRow(); row && flow_.resume(*row)) showStage();
    });
}

void ExamPanel::showStage() {
    switch (flow_.stage()) {
        case Stage::Start:
            clockTimer_->stop();
            pages_->setCurrentWidget(start_);
            start_->startButton()->setFocus();
            break;
        case Stage::Answering:
            if (pages_->currentWidget() != questions_) {
                // A ticket begins, or is taken up again.
                lastMinuteSpoken_ = -1;
                clearNote();
                pages_->setCurrentWidget(questions_);
                const bool limited = flow_.timeLeft().has_value();
                if (limited) clockTimer_->start();
                questions_->timeLeft()->setVisible(limited);
                showTime();
            }
            if (flow_.running()) showQuestion();
            break;
        case Stage::Results: showResults(); break;
        case Stage::History: showHistory(); break;
    }
}

void ExamPanel::showStart() {
    flow_.showStart();
    showStage();
}

void ExamPanel::leaveTicket() {
    if (!running()) return;
    flow_.leaveTicket();
    clockTimer_->stop();
}

void ExamPanel::handIn() {
    switch (flow_.handIn()) {
        case exam::HandIn::Refused: return;
        case exam::HandIn::HandedIn: return showResults();
        case exam::HandIn::Warned:
            // Said once on the page; a second «Сдать» hands the ticket in all the same.
            announce(printNote_,
                QStringLiteral("Без ответа: %1. Вопросы без ответа засчитываются как ошибки; нажмите "
                               "«Сдать» ещё раз, чтобы сдать билет.")
                    .arg(wording::countOf(static_cast<long long>(*flow_.unansweredWarned()), QStringLiteral("вопрос"),
                                          QStringLiteral("вопроса"), QStringLiteral("вопросов"))));
            return;
    }
}

void ExamPanel::clearNote() {
    printNote_->clear();
    printNote_->setToolTip(QString());
}

void ExamPanel::say(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
    QAccessibleEvent said(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&said);
}

void ExamPanel::showFileNotices() {
    if (flow_.waiting()) {
        if (!writeWaiting_->isActive()) writeWaiting_->start();
    } else {
        writeWaiting_->stop();
    }
    QStringList lines;
    for (const std::string& notice : flow_.notices()) lines << toQString(notice);
    const QString text = lines.join(QLatin1Char('\n'));
    if (text == fileNote_->text()) return;
    fileNote_->setVisible(!text.isEmpty());
    say(fileNote_, text);
}

void ExamPanel::print(const print::Document& document) {
    const print::PrinterModule& module = print::printerModule();
    if (!module.printer) {
        QMessageBox::warning(this, texts::kExamTitle, module.problem);
        return;
    }
    module.printer->printWithPreview(document, this);
}

void ExamPanel::savePdf(const print::Document& document, const QString& suggested) {
    const ChosenFile chosen = destination_.ask(this, QStringLiteral("Сохранить PDF"), suggested, {pdfFileKind()}, 0);
    if (chosen.path.isEmpty()) return;
    const QString file = destination_.settle(chosen.path, QStringLiteral("pdf"));
    const print::PrinterModule& module = print::printerModule();
    const QString problem = module.printer ? module.printer->savePdf(document, file) : module.problem;
    const QString note =
        problem.isEmpty() ? QStringLiteral("Сохранено: %1").arg(QDir::toNativeSeparators(file)) : problem;
    announce(printNote_, note);
    if (!problem.isEmpty()) QMessageBox::warning(this, texts::kExamTitle, problem);
}

void ExamPanel::showQuestion() {
    clearNote();
    questions_->showQuestion(flow_);
    showFileNotices();
    questions_->question()->question()->setFocus();
}

void ExamPanel::showAnswer() {
    questions_->showAnswer(flow_);
    showFileNotices();
}

void ExamPanel::showTime() {
    if (flow_.checkTime()) return showResults();
    const auto left = flow_.timeLeft();
    if (!flow_.running() || !left) return;
    QLabel* shown = questions_->timeLeft();
    shown->setText(texts::timeLeftText(*left));
    // A screen reader hears the time once a minute, not every second.
    const long long minute = std::chrono::duration_cast<std::chrono::minutes>(*left).count();
    if (minute == lastMinuteSpoken_) return;
    lastMinuteSpoken_ = minute;
    say(shown, shown->text());
}

void ExamPanel::showResults() {
    clockTimer_->stop();
    clearNote();
    results_->showResult(flow_);
    pages_->setCurrentWidget(results_);
    results_->grade()->setFocus();
    showFileNotices();
}

void ExamPanel::showHistory() {
    history_->showTickets(flow_.pastTickets());
    pages_->setCurrentWidget(history_);
    showResumable();
    history_->table()->setFocus();
}

void ExamPanel::showResumable() {
    const auto row = history_->chosenRow();
    history_->resumeButton()->setEnabled(row && exam::ExamFlow::mayResume(flow_.pastTickets().at(*row)));
}

void ExamPanel::keyPressEvent(QKeyEvent* event) {
    if (!running() || pages_->currentWidget() != questions_) return QWidget::keyPressEvent(event);
    const QuestionKey key = readQuestionKey(*event, flow_.question().choices.size());
    switch (key.kind) {
        case QuestionKey::Previous: questions_->previousButton()->click(); break;
        case QuestionKey::Next: questions_->nextButton()->click(); break;
        case QuestionKey::TakeBack:
            flow_.takeBack();
            showAnswer();
            break;
        case QuestionKey::Enter:
            if (questions_->nextButton()->isEnabled()) questions_->nextButton()->click();
            break;
        case QuestionKey::Choice:
            flow_.pick(key.choice);
            showAnswer();
            break;
        default:
            if (flow_.question().mode == asking::AskMode::Meaning || !questions_->question()->keyboard()->type(*event))
                return QWidget::keyPressEvent(event);
    }
    event->accept();
}

}  // namespace mss::forms
