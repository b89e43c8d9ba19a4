// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/exam/exam_pages.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>

#include "codebook/hoist_words.h"
#include "forms/exam/exam_texts.h"
#include "forms/question/meaning_buttons.h"
#include "forms/question/question_controls.h"
#include "forms/question/question_hoist.h"
#include "forms/question/question_keyboard.h"
#include "forms/question/question_page.h"
#include "forms/question/question_texts.h"
#include "forms/shared/face_button.h"
#include "look/look.h"
#include "qtext/utf8_text.h"
#include "wording/ticket_texts.h"

namespace mss::forms {

namespace {

using exam::ExamScope;
using exam::TaskKind;
namespace texts = exam_texts;

QTableWidget* tableOf(QWidget* parent, const char* name, const QStringList& headings) {
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

QHBoxLayout* row(std::initializer_list<QWidget*> left, std::initializer_list<QWidget*> right = {}) {
    auto* buttons = new QHBoxLayout;
    for (QWidget* b : left) buttons->addWidget(b);
    buttons->addStretch();
    for (QWidget* b : right) buttons->addWidget(b);
    return buttons;
}

}  // namespace

ExamStartPage::ExamStartPage(QWidget* parent) : QWidget(parent) {
    auto* heading = label(this, "ExamHeading", look::serifFont(14), look::kWhite);
    heading->setText(texts::kExamTitle);
    auto* about = line(this, "ExamAbout");
    about->setText(
        QStringLiteral("Билет из двадцати (или десяти) вопросов: узнать флаг, разобрать и набрать сигнал, "
                       "назвать значение однобуквенного сигнала и цифры таблицы. Ответы проверяются, когда "
                       "билет сдан. Зачёт — не больше одной ошибки на десять вопросов и ни одной грубой, "
                       "то есть в сигнале бедствия или срочности."));
    scope_ = new QComboBox(this);
    scope_->setObjectName(QStringLiteral("ExamScope"));
    for (ExamScope scope : exam::kAllScopes) {
        scope_->addItem(wording::scopeTitle(scope), static_cast<int>(scope));
        scope_->setItemData(scope_->count() - 1, texts::scopeToolTip(scope), Qt::ToolTipRole);
    }
    scope_->setAccessibleName(QStringLiteral("Объём билета"));
    number_ = new QSpinBox(this);
    number_->setObjectName(QStringLiteral("ExamTicketNumber"));
    number_->setRange(exam::kFirstTicket, exam::kLastTicket);
    number_->setAccessibleName(QStringLiteral("Номер билета"));
    length_ = new QComboBox(this);
    length_->setObjectName(QStringLiteral("ExamLength"));
    length_->addItem(QStringLiteral("20 вопросов"), exam::kTicketQuestions);
    length_->addItem(QStringLiteral("10 вопросов"), exam::kShortTicketQuestions);
    length_->setAccessibleName(QStringLiteral("Число вопросов"));
    limit_ = new QComboBox(this);
    limit_->setObjectName(QStringLiteral("ExamLimit"));
    limit_->addItem(QStringLiteral("без ограничения"), 0);
    limit_->addItem(QStringLiteral("10 минут"), 10);
    limit_->addItem(QStringLiteral("20 минут"), 20);
    limit_->setAccessibleName(QStringLiteral("Время на билет"));
    start_ = darkButton(this, "ExamStart", QStringLiteral("Начать"), QStringLiteral("Начать билет с этим номером"));
    random_ = darkButton(this, "ExamRandom", QStringLiteral("Случайный билет"),
                         QStringLiteral("Выбрать номер билета случайно и начать"));
    history_ = darkButton(this, "ExamHistory", QStringLiteral("Зачёты"), QStringLiteral("Сданные билеты"));
    print_ = darkButton(this, "ExamPrintTicket", QStringLiteral("Печать билета…"),
                        QStringLiteral("Напечатать этот билет для класса, ответы — на отдельной странице"));
    save_ = darkButton(this, "ExamSaveTicket", QStringLiteral("Билет в PDF…"),
                       QStringLiteral("Сохранить этот билет и ответы к нему в файл PDF"));
    back_ = darkButton(this, "ExamBack", QStringLiteral("К тренировке"), QStringLiteral("Вернуться к тренировке"));

    auto* form = new QGridLayout;
    const QString captions[] = {QStringLiteral("Объём:"), QStringLiteral("Билет №"), QStringLiteral("Вопросов:"),
                                QStringLiteral("Время:")};
    QWidget* fields[] = {scope_, number_, length_, limit_};
    for (int r = 0; r < 4; ++r) {
        auto* caption = line(this, "", true);
        caption->setText(captions[r]);
        caption->setBuddy(fields[r]);
        form->addWidget(caption, r, 0);
        form->addWidget(fields[r], r, 1);
    }
    form->setColumnStretch(2, 1);
    // The lists show where the focus is, as the buttons do.
    setStyleSheet(QStringLiteral("QComboBox:focus, QSpinBox:focus { border: 2px solid %1; }").arg(look::kGlint.name()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(about);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(row({start_, random_, history_, print_, save_}, {back_}));
}

exam::TicketChoice ExamStartPage::choice() const {
    exam::TicketChoice c{number_->value(), static_cast<ExamScope>(scope_->currentData().toInt()),
                         length_->currentData().toInt(), std::nullopt};
    if (const int minutes = limit_->currentData().toInt(); minutes > 0) c.limit = std::chrono::minutes(minutes);
    return c;
}

void ExamStartPage::showNumber(int number) { number_->setValue(number); }

ExamQuestionsPage::ExamQuestionsPage(QWidget* parent) : QWidget(parent) {
    progress_ = line(this, "ExamProgress", true);
    progress_->setFocusPolicy(Qt::TabFocus);
    timeLeft_ = label(this, "ExamTimeLeft", look::dialogFont(true), look::kGlint);
    timeLeft_->setFocusPolicy(Qt::TabFocus);
    question_ = new QuestionPage(this);
    previous_ = darkButton(this, "ExamPrevious", QStringLiteral("Назад"), QStringLiteral("Предыдущий вопрос (PageUp)"));
    next_ = darkButton(this, "ExamNext", QStringLiteral("Далее"), QStringLiteral("Следующий вопрос (PageDown)"));
    handIn_ = darkButton(this, "ExamHandIn", QStringLiteral("Сдать"),
                         QStringLiteral("Сдать билет (Ctrl+Enter): ответы проверяются, изменить их будет нельзя"));
    // From any question, without going round every control with Tab.
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* handInKeys = new QShortcut(keys, this);
        handInKeys->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(handInKeys, &QShortcut::activated, handIn_, [this] { handIn_->click(); });
    }
    auto* top = new QHBoxLayout;
    top->addWidget(progress_, 1);
    top->addWidget(timeLeft_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(question_, 1);
    layout->addLayout(row({previous_, next_}, {handIn_}));
}

void ExamQuestionsPage::showQuestion(const exam::ExamFlow& flow) {
    const exam::TicketQuestion& q = flow.question();
    const bool choosing = q.mode == asking::AskMode::Meaning;
    const bool composing = q.kind == TaskKind::ComposeHoist;
    const QString heading =
        QStringLiteral("Билет № %1 · %2 · %3")
            .arg(flow.ticket().number)
            .arg(texts::progressLine(flow.current(), flow.questionCount()), wording::taskTitle(q.kind));
    progress_->setText(heading);
    progress_->setAccessibleName(heading);
    question_->ask(wording::questionText(q), QString(), composing && q.signal->reconstructed, texts::howToAnswer(q),
                   choosing);
    if (choosing) {
        QStringList offered;
        std::vector<bool> marks;
        for (const asking::Signal* s : q.choices) {
            offered << toQString(s->text);
            marks.push_back(s->reconstructed);
        }
        question_->choices()->show(offered, marks);
    }
    question_->keyboard()->enableFlags(
        [set = q.set, mode = q.mode](int flag) { return asking::mayRaise(set, mode, flag); });
    previous_->setEnabled(flow.mayGoBack());
    next_->setEnabled(flow.mayGoOn());
    showAnswer(flow);
}

void ExamQuestionsPage::showAnswer(const exam::ExamFlow& flow) {
    const exam::TicketQuestion& q = flow.question();
    const exam::ExamAnswer& a = flow.answer();
    // The hoist asked, or the one being put up; a flag asked by sight is not named.
    if (q.kind == TaskKind::ComposeHoist)
        question_->hoist()->show(a.typed.hoist(), a.typed.atMost() + (q.hoist.medicalM ? 1 : 0), true);
    else if (!q.choices.empty() && q.kind == TaskKind::TableDigitMeaning)
        question_->hoist()->show(q.hoist, 1, true);
    else
        question_->hoist()->show(q.hoist, q.hoist.flown.size(), false);
    if (q.mode != asking::AskMode::Meaning) return question_->showTyped(question_texts::typedLine(a.typed, q.mode));
    for (int place = 0; place < question_->choices()->count(); ++place)
        static_cast<FaceButton*>(question_->choices()->button(place))
            ->setChosenAnswer(a.chosen && *a.chosen == static_cast<std::size_t>(place));
}

ExamResultsPage::ExamResultsPage(QWidget* parent) : QWidget(parent) {
    ticket_ = line(this, "ExamResultTicket", true);
    grade_ = label(this, "ExamGrade", look::serifFont(16), look::kWhite);
    grade_->setFocusPolicy(Qt::TabFocus);
    details_ = line(this, "ExamGradeDetails", true);
    details_->setFocusPolicy(Qt::TabFocus);
    results_ = tableOf(this, "ExamResults",
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
    repeat_ = darkButton(this, "ExamRepeatMistakes", QStringLiteral("Повторить ошибки"),
                         QStringLiteral("Тренировка ровно тех сигналов, в которых были ошибки"));
    again_ = darkButton(this, "ExamAgain", QStringLiteral("Новый билет"), QStringLiteral("К выбору билета"));
    print_ = darkButton(this, "ExamPrintResult", QStringLiteral("Печать…"),
                        QStringLiteral("Напечатать итог билета со всеми вопросами"));
    save_ = darkButton(this, "ExamSaveResult", QStringLiteral("Сохранить PDF…"),
                       QStringLiteral("Сохранить итог билета в файл PDF"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ticket_);
    layout->addWidget(grade_);
    layout->addWidget(details_);
    layout->addWidget(results_, 1);
    layout->addLayout(row({repeat_, again_, print_, save_}));
}

void ExamResultsPage::showResult(const exam::ExamFlow& flow) {
    const exam::ExamResult& r = flow.result();
    grade_->setText(wording::gradeTitle(r));
    QPalette pal = grade_->palette();
    pal.setColor(QPalette::WindowText, r.passed ? look::kRightAnswer : look::kWrongAnswer);
    grade_->setPalette(pal);
    details_->setText(wording::gradeDetails(r, flow.questionCount()));
    ticket_->setText(wording::ticketHeading(flow.ticket()));
    grade_->setAccessibleName(QStringLiteral("Итог: %1. %2 %3").arg(grade_->text(), ticket_->text(), details_->text()));
    results_->setRowCount(0);
    for (const exam::QuestionResult& q : r.questions) {
        const int at = results_->rowCount();
        results_->insertRow(at);
        results_->setItem(at, 0, cell(QString::number(at + 1)));
        results_->setItem(at, 1, cell(wording::askedText(*q.question)));
        auto* hoist = cell(QString());
        // A meaning to compose shows no hoist: the flags put up are the answer.
        if (q.question->kind != TaskKind::ComposeHoist) {
            hoist->setIcon(QIcon(smallHoistPicture(q.question->hoist.flown, kResultFlag)));
            hoist->setToolTip(toQString(codebook::hoistLine(q.question->hoist.flown)));
        }
        results_->setItem(at, 2, hoist);
        auto* given = cell((q.correct ? QStringLiteral("✓ ") : QStringLiteral("✗ ")) + wording::givenText(q));
        given->setForeground(q.correct ? look::kRightAnswer : look::kWrongAnswer);
        results_->setItem(at, 3, given);
        QString right = wording::rightText(*q.question);
        if (q.question->gross && !q.correct) right += QStringLiteral(" — грубая ошибка");
        results_->setItem(at, 4, cell(right));
    }
    results_->resizeRowsToContents();
    // A new result starts at its top, whatever the last one was scrolled to.
    results_->scrollToTop();
    repeat_->setVisible(r.mistakes > 0);
}

ExamHistoryPage::ExamHistoryPage(QWidget* parent) : QWidget(parent) {
    auto* heading = label(this, "ExamHistoryHeading", look::serifFont(14), look::kWhite);
    heading->setText(QStringLiteral("Зачёты"));
    table_ =
        tableOf(this, "ExamHistoryTable",
                {QStringLiteral("Начат"), QStringLiteral("Билет"), QStringLiteral("Объём"), QStringLiteral("Итог")});
    table_->setAccessibleName(QStringLiteral("Сданные билеты"));
    resume_ = darkButton(this, "ExamHistoryResume", QStringLiteral("Продолжить"),
                         QStringLiteral("Продолжить несданный билет с его ответами и оставшимся временем (Enter)"));
    back_ = darkButton(this, "ExamHistoryBack", QStringLiteral("Назад"), QStringLiteral("К выбору билета"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading);
    layout->addWidget(table_, 1);
    layout->addLayout(row({resume_}, {back_}));
}

void ExamHistoryPage::showTickets(const std::vector<exam::PastTicket>& past) {
    table_->setRowCount(0);
    const QLocale russian(QLocale::Russian);
    for (const exam::PastTicket& t : past) {
        const int at = table_->rowCount();
        table_->insertRow(at);
        const QDateTime started = QDateTime::fromSecsSinceEpoch(
            std::chrono::duration_cast<std::chrono::seconds>(t.startedAt.time_since_epoch()).count());
        table_->setItem(at, 0, cell(russian.toString(started.toLocalTime(), QStringLiteral("d MMMM yyyy, HH:mm"))));
        QString ticket = QStringLiteral("№ %1, %2 вопр.").arg(t.number).arg(t.length);
        if (t.draw != exam::kLatestDraw) ticket += QStringLiteral(", ") + wording::drawName(t.draw);
        table_->setItem(at, 1, cell(ticket));
        table_->setItem(at, 2, cell(wording::scopeTitle(t.scope)));
        QString outcome;
        if (!t.end)
            outcome = QStringLiteral("не сдан (ответов: %1)").arg(t.answered) +
                      (exam::ExamFlow::mayResume(t) ? QStringLiteral(" — можно продолжить") : QString());
        else
            outcome = QStringLiteral("%1: верно %2 из %3")
                          .arg(t.end->passed ? QStringLiteral("Зачёт") : QStringLiteral("Незачёт"))
                          .arg(t.end->right)
                          .arg(t.length);
        table_->setItem(at, 3, cell(outcome));
    }
    table_->resizeColumnsToContents();
    if (!past.empty()) table_->selectRow(0);
}

std::optional<std::size_t> ExamHistoryPage::chosenRow() const {
    const int at = table_->currentRow();
    if (at < 0 || at >= table_->rowCount()) return std::nullopt;
    return static_cast<std::size_t>(at);
}

}  // namespace mss::forms
