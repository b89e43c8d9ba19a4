// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/exam/exam_panel.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QShortcut>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>

#include "codebook/hoist_words.h"
#include "exam/exam_signals.h"
#include "forms/exam/exam_texts.h"
#include "forms/question/meaning_buttons.h"
#include "forms/question/question_controls.h"
#include "forms/question/question_hoist.h"
#include "forms/question/question_keyboard.h"
#include "forms/question/question_page.h"
#include "forms/question/question_texts.h"
#include "forms/shared/face_button.h"
#include "forms/shared/file_chooser.h"
#include "forms/shared/file_saving.h"
#include "forms/shared/physical_keys.h"
#include "look/look.h"
#include "print/printer_module.h"
#include "print/ticket_document.h"
#include "qtext/utf8_text.h"
#include "wording/russian_plural.h"
#include "wording/ticket_texts.h"

namespace mss::forms {

namespace {

using exam::ExamScope;
using exam::TaskKind;
namespace texts = exam_texts;

QTableWidget* table(QWidget* parent, const char* name, const QStringList& headings) {
    auto* t = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels(headings);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->setVisible(false);
    t->horizontalHeader()->setStretchLastSection(true);
    t->setWordWrap(true);
    t->setIconSize(QSize(100, 20));
    return t;
}

// A flag of a hoist in the table of results, and room for three side by side.
constexpr QSize kResultFlag(36, 24);
constexpr QSize kResultHoist(3 * (36 + 2), 24);

QTableWidgetItem* cell(const QString& text) { return new QTableWidgetItem(text); }

QLabel* line(QWidget* parent, const char* name, bool bold = false) {
    return label(parent, name, look::dialogFont(bold), look::kWhite);
}

}  // namespace

ExamPanel::ExamPanel(const codebook::CodeBook& book, exam::ExamKeeper& keeper, drill::Clock clock,
                     FileChooser chooseFile, QWidget* parent)
    : QWidget(parent), book_(book), keeper_(keeper), clock_(std::move(clock)), destination_(std::move(chooseFile)) {
    setObjectName(QStringLiteral("ExamPanel"));
    pages_ = new QStackedWidget(this);
    pages_->addWidget(startPage_ = buildStart());
    pages_->addWidget(questionsPage_ = buildQuestions());
    pages_->addWidget(resultsPage_ = buildResults());
    pages_->addWidget(historyPage_ = buildHistory());
    printNote_ = line(this, "ExamPrintNote");
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
        if (flow_) flow_->writeWaiting();
        showFileNotices();
    });
}

void ExamPanel::showFileNotices() {
    if (flow_ && flow_->waiting()) {
        if (!writeWaiting_->isActive()) writeWaiting_->start();
    } else {
        writeWaiting_->stop();
    }
    QStringList lines;
    for (const std::string& notice : keeper_.notices()) lines << toQString(notice);
    const QString text = lines.join(QLatin1Char('\n'));
    if (text == fileNote_->text()) return;
    fileNote_->setText(text);
    fileNote_->setAccessibleName(text);
    fileNote_->setVisible(!text.isEmpty());
    QAccessibleEvent said(fileNote_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&said);
}

ExamPanel::~ExamPanel() = default;

const exam::ExamPool& ExamPanel::pool() {
    if (!pool_) pool_ = std::make_unique<exam::ExamPool>(book_, exam::ExamSignals::shipped());
    return *pool_;
}

QWidget* ExamPanel::buildStart() {
    auto* page = new QWidget(this);
    auto* heading = label(page, "ExamHeading", look::serifFont(14), look::kWhite);
    heading->setText(texts::kExamTitle);
    auto* about = line(page, "ExamAbout");
    about->setText(
        QStringLiteral("Билет из двадцати (или десяти) вопросов: узнать флаг, разобрать и набрать сигнал, "
                       "назвать значение однобуквенного сигнала и цифры таблицы. Ответы проверяются, когда "
                       "билет сдан. Зачёт — не больше одной ошибки на десять вопросов и ни одной грубой, "
                       "то есть в сигнале бедствия или срочности."));
    scope_ = new QComboBox(page);
    scope_->setObjectName(QStringLiteral("ExamScope"));
    for (ExamScope scope : exam::kAllScopes) {
        scope_->addItem(wording::scopeTitle(scope), static_cast<int>(scope));
        scope_->setItemData(scope_->count() - 1, texts::scopeToolTip(scope), Qt::ToolTipRole);
    }
    scope_->setAccessibleName(QStringLiteral("Объём билета"));
    number_ = new QSpinBox(page);
    number_->setObjectName(QStringLiteral("ExamTicketNumber"));
    number_->setRange(exam::kFirstTicket, exam::kLastTicket);
    number_->setAccessibleName(QStringLiteral("Номер билета"));
    length_ = new QComboBox(page);
    length_->setObjectName(QStringLiteral("ExamLength"));
    length_->addItem(QStringLiteral("20 вопросов"), exam::kTicketQuestions);
    length_->addItem(QStringLiteral("10 вопросов"), exam::kShortTicketQuestions);
    length_->setAccessibleName(QStringLiteral("Число вопросов"));
    limit_ = new QComboBox(page);
    limit_->setObjectName(QStringLiteral("ExamLimit"));
    limit_->addItem(QStringLiteral("без ограничения"), 0);
    limit_->addItem(QStringLiteral("10 минут"), 10);
    limit_->addItem(QStringLiteral("20 минут"), 20);
    limit_->setAccessibleName(QStringLiteral("Время на билет"));
    startButton_ =
        darkButton(page, "ExamStart", QStringLiteral("Начать"), QStringLiteral("Начать билет с этим номером"));
    randomButton_ = darkButton(page, "ExamRandom", QStringLiteral("Случайный билет"),
                               QStringLiteral("Выбрать номер билета случайно и начать"));
    auto* historyButton = darkButton(page, "ExamHistory", QStringLiteral("Зачёты"), QStringLiteral("Сданные билеты"));
    auto* printTicket = darkButton(page, "ExamPrintTicket", QStringLiteral("Печать билета…"),
                                   QStringLiteral("Напечатать этот билет для класса, ответы — на отдельной странице"));
    saveTicket_ = darkButton(page, "ExamSaveTicket", QStringLiteral("Билет в PDF…"),
                             QStringLiteral("Сохранить этот билет и ответы к нему в файл PDF"));
    auto* back = darkButton(page, "ExamBack", QStringLiteral("К тренировке"), QStringLiteral("Вернуться к тренировке"));

    auto* form = new QGridLayout;
    const QString captions[] = {QStringLiteral("Объём:"), QStringLiteral("Билет №"), QStringLiteral("Вопросов:"),
                                QStringLiteral("Время:")};
    QWidget* fields[] = {scope_, number_, length_, limit_};
    for (int row = 0; row < 4; ++row) {
        auto* caption = line(page, "", true);
        caption->setText(captions[row]);
        caption->setBuddy(fields[row]);
        form->addWidget(caption, row, 0);
        form->addWidget(fields[row], row, 1);
    }
    form->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    for (QWidget* b :
         {static_cast<QWidget*>(startButton_), static_cast<QWidget*>(randomButton_),
          static_cast<QWidget*>(historyButton), static_cast<QWidget*>(printTicket), static_cast<QWidget*>(saveTicket_)})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(back);
    // The lists show where the focus is, as the buttons do.
    page->setStyleSheet(
        QStringLiteral("QComboBox:focus, QSpinBox:focus { border: 2px solid %1; }").arg(look::kGlint.name()));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(heading);
    layout->addWidget(about);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);

    auto begin = [this](int number) {
        std::optional<std::chrono::minutes> limit;
        if (const int minutes = limit_->currentData().toInt(); minutes > 0) limit = std::chrono::minutes(minutes);
        start(number, static_cast<ExamScope>(scope_->currentData().toInt()), length_->currentData().toInt(), limit);
    };
    QObject::connect(startButton_, &QPushButton::clicked, this, [this, begin] { begin(number_->value()); });
    QObject::connect(randomButton_, &QPushButton::clicked, this, [this, begin] {
        number_->setValue(
            static_cast<int>(QRandomGenerator::global()->bounded(exam::kFirstTicket, exam::kLastTicket + 1)));
        begin(number_->value());
    });
    QObject::connect(historyButton, &QPushButton::clicked, this, [this] { showHistory(); });
    QObject::connect(printTicket, &QPushButton::clicked, this,
                     [this] { print(print::ticketDocument(chosenTicket())); });
    QObject::connect(saveTicket_, &QPushButton::clicked, this, [this] {
        const exam::Ticket ticket = chosenTicket();
        savePdf(print::ticketDocument(ticket), QStringLiteral("билет-%1.pdf").arg(ticket.number));
    });
    QObject::connect(back, &QPushButton::clicked, this, [this] { Q_EMIT leave(); });
    return page;
}

QWidget* ExamPanel::buildQuestions() {
    auto* page = new QWidget(this);
    progress_ = line(page, "ExamProgress", true);
    progress_->setFocusPolicy(Qt::TabFocus);
    timeLeft_ = label(page, "ExamTimeLeft", look::dialogFont(true), look::kGlint);
    timeLeft_->setFocusPolicy(Qt::TabFocus);
    question_ = new QuestionPage(page);
    previous_ = darkButton(page, "ExamPrevious", QStringLiteral("Назад"), QStringLiteral("Предыдущий вопрос (PageUp)"));
    next_ = darkButton(page, "ExamNext", QStringLiteral("Далее"), QStringLiteral("Следующий вопрос (PageDown)"));
    handIn_ = darkButton(page, "ExamHandIn", QStringLiteral("Сдать"),
                         QStringLiteral("Сдать билет (Ctrl+Enter): ответы проверяются, изменить их будет нельзя"));
    // From any question, without going round every control with Tab.
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* handInKeys = new QShortcut(keys, page);
        handInKeys->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(handInKeys, &QShortcut::activated, handIn_, [this] {
            if (running()) handIn_->click();
        });
    }
    auto* top = new QHBoxLayout;
    top->addWidget(progress_, 1);
    top->addWidget(timeLeft_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    buttons->addStretch();
    buttons->addWidget(handIn_);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(question_, 1);
    layout->addLayout(buttons);

    QObject::connect(question_->keyboard(), &QuestionKeyboard::flagPressed, this, [this](int flag) {
        if (!flow_) return;
        flow_->raise(flag);
        showAnswer();  // the flag up, or why it cannot go up
    });
    QObject::connect(question_->choices(), &MeaningButtons::chosen, this, [this](int place) {
        if (!flow_) return;
        flow_->pick(static_cast<std::size_t>(place));
        showAnswer();
    });
    QObject::connect(previous_, &QPushButton::clicked, this, [this] {
        flow_->previous();
        showQuestion();
    });
    QObject::connect(next_, &QPushButton::clicked, this, [this] {
        flow_->next();
        showQuestion();
    });
    QObject::connect(handIn_, &QPushButton::clicked, this, [this] {
        // Questions left without an answer: said once on the page, and a
        // second «Сдать» hands the ticket in all the same.
        const std::size_t left = flow_->questionCount() - flow_->answeredCount();
        if (left > 0 && !handInWarned_) {
            handInWarned_ = true;
            const QString warning =
                QStringLiteral(
                    "Без ответа: %1. Вопросы без ответа засчитываются как ошибки; нажмите «Сдать» ещё "
                    "раз, чтобы сдать билет.")
                    .arg(wording::countOf(static_cast<long long>(left), QStringLiteral("вопрос"),
                                          QStringLiteral("вопроса"), QStringLiteral("вопросов")));
            announce(printNote_, warning);
            return;
        }
        flow_->handIn();
        showResults();
    });
    return page;
}

QWidget* ExamPanel::buildResults() {
    auto* page = new QWidget(this);
    ticketTitle_ = line(page, "ExamResultTicket", true);
    grade_ = label(page, "ExamGrade", look::serifFont(16), look::kWhite);
    grade_->setFocusPolicy(Qt::TabFocus);
    details_ = line(page, "ExamGradeDetails", true);
    details_->setFocusPolicy(Qt::TabFocus);
    results_ = table(page, "ExamResults",
                     {QStringLiteral("№"), QStringLiteral("Вопрос"), QStringLiteral("Подъём"),
                      QStringLiteral("Ваш ответ"), QStringLiteral("Правильный ответ")});
    results_->setAccessibleName(QStringLiteral("Вопросы билета и ответы"));
    // Every column within the window's width, the texts wrapped: nothing to scroll sideways to.
    results_->setIconSize(kResultHoist);
    results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* columns = results_->horizontalHeader();
    columns->setStretchLastSection(false);
    for (int column : {0, 2}) columns->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    for (int column : {1, 3, 4}) columns->setSectionResizeMode(column, QHeaderView::Stretch);
    QObject::connect(columns, &QHeaderView::sectionResized, results_, [this] { results_->resizeRowsToContents(); });
    repeat_ = darkButton(page, "ExamRepeatMistakes", QStringLiteral("Повторить ошибки"),
                         QStringLiteral("Тренировка ровно тех сигналов, в которых были ошибки"));
    auto* again = darkButton(page, "ExamAgain", QStringLiteral("Новый билет"), QStringLiteral("К выбору билета"));
    auto* printResult = darkButton(page, "ExamPrintResult", QStringLiteral("Печать…"),
                                   QStringLiteral("Напечатать итог билета со всеми вопросами"));
    saveResult_ = darkButton(page, "ExamSaveResult", QStringLiteral("Сохранить PDF…"),
                             QStringLiteral("Сохранить итог билета в файл PDF"));
    auto* buttons = new QHBoxLayout;
    for (QWidget* b : {static_cast<QWidget*>(repeat_), static_cast<QWidget*>(again), static_cast<QWidget*>(printResult),
                       static_cast<QWidget*>(saveResult_)})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ticketTitle_);
    layout->addWidget(grade_);
    layout->addWidget(details_);
    layout->addWidget(results_, 1);
    layout->addLayout(buttons);
    QObject::connect(repeat_, &QPushButton::clicked, this, [this] {
        std::vector<drill::CardKey> cards;
        for (const exam::QuestionResult& r : flow_->result().questions)
            if (!r.correct)
                cards.push_back({r.question->set, exam::modeOf(r.question->kind), r.question->signal->code});
        Q_EMIT drillMistakes(cards, flow_->ticket().number);
    });
    QObject::connect(again, &QPushButton::clicked, this, [this] { showStart(); });
    QObject::connect(printResult, &QPushButton::clicked, this,
                     [this] { print(print::resultDocument(flow_->ticket(), flow_->result())); });
    QObject::connect(saveResult_, &QPushButton::clicked, this, [this] {
        savePdf(print::resultDocument(flow_->ticket(), flow_->result()),
                QStringLiteral("зачёт-билет-%1.pdf").arg(flow_->ticket().number));
    });
    return page;
}

QWidget* ExamPanel::buildHistory() {
    auto* page = new QWidget(this);
    auto* heading = label(page, "ExamHistoryHeading", look::serifFont(14), look::kWhite);
    heading->setText(QStringLiteral("Зачёты"));
    history_ =
        table(page, "ExamHistoryTable",
              {QStringLiteral("Начат"), QStringLiteral("Билет"), QStringLiteral("Объём"), QStringLiteral("Итог")});
    history_->setAccessibleName(QStringLiteral("Сданные билеты"));
    resumeButton_ =
        darkButton(page, "ExamHistoryResume", QStringLiteral("Продолжить"),
                   QStringLiteral("Продолжить несданный билет с его ответами и оставшимся временем (Enter)"));
    auto* back = darkButton(page, "ExamHistoryBack", QStringLiteral("Назад"), QStringLiteral("К выбору билета"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(resumeButton_);
    buttons->addStretch();
    buttons->addWidget(back);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading);
    layout->addWidget(history_, 1);
    layout->addLayout(buttons);
    QObject::connect(back, &QPushButton::clicked, this, [this] { showStart(); });
    QObject::connect(history_, &QTableWidget::currentCellChanged, this, [this] { showResumable(); });
    QObject::connect(history_, &QTableWidget::cellActivated, this, [this] { resumeButton_->click(); });
    QObject::connect(resumeButton_, &QPushButton::clicked, this, [this] {
        const exam::PastTicket* t = chosenPastTicket();
        if (t && mayResume(*t)) resume(exam::PastTicket(*t));
    });
    return page;
}

exam::Ticket ExamPanel::chosenTicket() {
    return exam::drawTicket(pool(), number_->value(), static_cast<ExamScope>(scope_->currentData().toInt()),
                            length_->currentData().toInt());
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

void ExamPanel::showStart() {
    clockTimer_->stop();
    pages_->setCurrentWidget(startPage_);
    startButton_->setFocus();
}

void ExamPanel::start(int number, ExamScope scope, int length, std::optional<std::chrono::minutes> limit) {
    run(std::make_unique<exam::ExamFlow>(pool(), exam::drawTicket(pool(), number, scope, length), keeper_, clock_,
                                         limit));
}

void ExamPanel::resume(const exam::PastTicket& past) {
    const exam::TicketLeft left{past.id, keeper_.answersOf(past.id), past.used};
    run(std::make_unique<exam::ExamFlow>(pool(),
                                         exam::drawTicket(pool(), past.number, past.scope, past.length, past.draw),
                                         keeper_, clock_, past.limit, &left));
}

void ExamPanel::run(std::unique_ptr<exam::ExamFlow> flow) {
    flow_ = std::move(flow);
    lastMinuteSpoken_ = -1;
    printNote_->clear();
    printNote_->setToolTip(QString());
    pages_->setCurrentWidget(questionsPage_);
    const bool limited = flow_->timeLeft().has_value();
    if (limited) clockTimer_->start();
    timeLeft_->setVisible(limited);
    showTime();
    if (running()) showQuestion();
}

void ExamPanel::leaveTicket() {
    if (!running()) return;
    flow_->leave();
    clockTimer_->stop();
    flow_.reset();
}

void ExamPanel::showQuestion() {
    handInWarned_ = false;
    printNote_->clear();
    printNote_->setToolTip(QString());
    const exam::TicketQuestion& q = flow_->question();
    const bool choosing = exam::modeOf(q.kind) == drill::DrillMode::Meaning;
    const bool composing = q.kind == TaskKind::ComposeHoist;
    const QString heading =
        QStringLiteral("Билет № %1 · %2 · %3")
            .arg(flow_->ticket().number)
            .arg(texts::progressLine(flow_->current(), flow_->questionCount()), wording::taskTitle(q.kind));
    progress_->setText(heading);
    progress_->setAccessibleName(heading);
    question_->ask(wording::questionText(q), QString(), composing && q.signal->reconstructed, texts::howToAnswer(q),
                   choosing);
    if (choosing) {
        QStringList offered;
        std::vector<bool> marks;
        for (const drill::DrillSignal* s : q.choices) {
            offered << toQString(s->text);
            marks.push_back(s->reconstructed);
        }
        question_->choices()->show(offered, marks);
    }
    const drill::DrillSet set = q.set;
    const drill::DrillMode mode = exam::modeOf(q.kind);
    question_->keyboard()->enableFlags([set, mode](int flag) { return drill::mayRaise(set, mode, flag); });
    previous_->setEnabled(flow_->current() > 0);
    next_->setEnabled(flow_->current() + 1 < flow_->questionCount());
    showAnswer();
    question_->question()->setFocus();
}

void ExamPanel::showAnswer() {
    const exam::TicketQuestion& q = flow_->question();
    const exam::ExamAnswer& a = flow_->answer();
    const bool composing = q.kind == TaskKind::ComposeHoist;
    // The hoist asked, or the one being put up; a flag asked by sight is not named.
    if (composing)
        question_->hoist()->show(a.typed.hoist(), a.typed.atMost() + (q.hoist.medicalM ? 1 : 0), true);
    else if (!q.choices.empty() && q.kind == TaskKind::TableDigitMeaning)
        question_->hoist()->show(q.hoist, 1, true);
    else
        question_->hoist()->show(q.hoist, q.hoist.flown.size(), false);
    if (exam::modeOf(q.kind) == drill::DrillMode::Meaning) {
        for (int place = 0; place < question_->choices()->count(); ++place)
            static_cast<FaceButton*>(question_->choices()->button(place))
                ->setChosenAnswer(a.chosen && *a.chosen == static_cast<std::size_t>(place));
        return showFileNotices();
    }
    question_->showTyped(question_texts::typedLine(a.typed, exam::modeOf(q.kind)));
    showFileNotices();
}

void ExamPanel::showTime() {
    if (!flow_) return;
    if (flow_->checkTime()) return showResults();
    const auto left = flow_->timeLeft();
    if (!left) return;
    timeLeft_->setText(texts::timeLeftText(*left));
    // A screen reader hears the time once a minute, not every second.
    const long long minute = std::chrono::duration_cast<std::chrono::minutes>(*left).count();
    if (minute != lastMinuteSpoken_) {
        lastMinuteSpoken_ = minute;
        timeLeft_->setAccessibleName(timeLeft_->text());
        QAccessibleEvent spoken(timeLeft_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&spoken);
    }
}

void ExamPanel::showResults() {
    clockTimer_->stop();
    printNote_->clear();
    printNote_->setToolTip(QString());
    const exam::ExamResult& r = flow_->result();
    grade_->setText(wording::gradeTitle(r));
    QPalette pal = grade_->palette();
    pal.setColor(QPalette::WindowText, r.passed ? look::kRightAnswer : look::kWrongAnswer);
    grade_->setPalette(pal);
    details_->setText(wording::gradeDetails(r, flow_->questionCount()));
    ticketTitle_->setText(wording::ticketHeading(flow_->ticket()));
    grade_->setAccessibleName(
        QStringLiteral("Итог: %1. %2 %3").arg(grade_->text(), ticketTitle_->text(), details_->text()));
    results_->setRowCount(0);
    for (const exam::QuestionResult& q : r.questions) {
        const int row = results_->rowCount();
        results_->insertRow(row);
        results_->setItem(row, 0, cell(QString::number(row + 1)));
        results_->setItem(row, 1, cell(wording::askedText(*q.question)));
        auto* hoist = cell(QString());
        // A meaning to compose shows no hoist: the flags put up are the answer.
        if (q.question->kind != TaskKind::ComposeHoist) {
            hoist->setIcon(QIcon(smallHoistPicture(q.question->hoist.flown, kResultFlag)));
            hoist->setToolTip(toQString(codebook::hoistLine(q.question->hoist.flown)));
        }
        results_->setItem(row, 2, hoist);
        auto* given = cell((q.correct ? QStringLiteral("✓ ") : QStringLiteral("✗ ")) + wording::givenText(q));
        given->setForeground(q.correct ? look::kRightAnswer : look::kWrongAnswer);
        results_->setItem(row, 3, given);
        QString right = wording::rightText(*q.question);
        if (q.question->gross && !q.correct) right += QStringLiteral(" — грубая ошибка");
        results_->setItem(row, 4, cell(right));
    }
    results_->resizeRowsToContents();
    // A new result starts at its top, whatever the last one was scrolled to.
    results_->scrollToTop();
    repeat_->setVisible(r.mistakes > 0);
    pages_->setCurrentWidget(resultsPage_);
    grade_->setFocus();
    showFileNotices();
}

void ExamPanel::showHistory() {
    history_->setRowCount(0);
    const QLocale russian(QLocale::Russian);
    pastTickets_ = keeper_.pastTickets();
    for (const exam::PastTicket& t : pastTickets_) {
        const int row = history_->rowCount();
        history_->insertRow(row);
        const QDateTime started = QDateTime::fromSecsSinceEpoch(
            std::chrono::duration_cast<std::chrono::seconds>(t.startedAt.time_since_epoch()).count());
        history_->setItem(row, 0, cell(russian.toString(started.toLocalTime(), QStringLiteral("d MMMM yyyy, HH:mm"))));
        QString ticket = QStringLiteral("№ %1, %2 вопр.").arg(t.number).arg(t.length);
        if (t.draw != exam::kLatestDraw) ticket += QStringLiteral(", ") + wording::drawName(t.draw);
        history_->setItem(row, 1, cell(ticket));
        history_->setItem(row, 2, cell(wording::scopeTitle(t.scope)));
        QString outcome;
        if (!t.end)
            outcome = QStringLiteral("не сдан (ответов: %1)").arg(t.answered) +
                      (mayResume(t) ? QStringLiteral(" — можно продолжить") : QString());
        else
            outcome = QStringLiteral("%1: верно %2 из %3")
                          .arg(t.end->passed ? QStringLiteral("Зачёт") : QStringLiteral("Незачёт"))
                          .arg(t.end->right)
                          .arg(t.length);
        history_->setItem(row, 3, cell(outcome));
    }
    history_->resizeColumnsToContents();
    pages_->setCurrentWidget(historyPage_);
    if (!pastTickets_.empty()) history_->selectRow(0);
    showResumable();
    history_->setFocus();
}

bool ExamPanel::mayResume(const exam::PastTicket& t) { return !t.end && (!t.limit || t.used < *t.limit); }

const exam::PastTicket* ExamPanel::chosenPastTicket() const {
    const int row = history_->currentRow();
    if (row < 0 || row >= static_cast<int>(pastTickets_.size())) return nullptr;
    return &pastTickets_[static_cast<std::size_t>(row)];
}

void ExamPanel::showResumable() {
    const exam::PastTicket* t = chosenPastTicket();
    resumeButton_->setEnabled(t && mayResume(*t));
}

void ExamPanel::keyPressEvent(QKeyEvent* event) {
    if (!running() || pages_->currentWidget() != questionsPage_) return QWidget::keyPressEvent(event);
    const exam::TicketQuestion& q = flow_->question();
    switch (event->key()) {
        case Qt::Key_PageUp: previous_->click(); return event->accept();
        case Qt::Key_PageDown: next_->click(); return event->accept();
        case Qt::Key_Backspace:
            flow_->takeBack();
            showAnswer();
            return event->accept();
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (next_->isEnabled()) next_->click();
            return event->accept();
        default: break;
    }
    if (exam::modeOf(q.kind) == drill::DrillMode::Meaning) {
        const auto symbol = symbolOfKeyPress(*event);
        if (symbol && *symbol >= '1' && *symbol < '1' + MeaningButtons::kCount && !event->isAutoRepeat()) {
            flow_->pick(static_cast<std::size_t>(*symbol - '1'));
            showAnswer();
            return event->accept();
        }
    } else if (question_->keyboard()->type(*event)) {
        return event->accept();
    }
    QWidget::keyPressEvent(event);
}

}  // namespace mss::forms
