// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_window.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStackedWidget>

#include <random>
#include <set>

#include "forms/drill/drill_label.h"
#include "forms/drill/drill_choices.h"
#include "forms/drill/drill_hoist.h"
#include "forms/drill/drill_keyboard.h"
#include "forms/drill/drill_pages.h"
#include "forms/drill/drill_texts.h"
#include "forms/shared/face_button.h"
#include "forms/shared/physical_keys.h"
#include "forms/shared/picture_catalogue.h"
#include "look/look.h"
#include "progress/default_progress_file.h"
#include "forms/drill/progress_chart.h"

namespace mss::forms {

namespace {

using drill::DrillMode;
using drill::DrillSet;
namespace texts = drill_texts;

constexpr int kClientWidth = 792, kClientHeight = 596;
constexpr int kRowButtonWidth = 120, kRowButtonHeight = 33, kRowButtonStep = 126;
constexpr int kPagesTop = 106;

std::uint64_t seedOf(std::uint64_t wanted) {
    if (wanted != 0) return wanted;
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

QLabel* lineLabel(QWidget* parent, const char* name, const QColor& colour, const QRect& at) {
    return label(parent, name, look::dialogFont(true), colour, at);
}

FaceButton* rowButton(QWidget* parent, const QString& caption, const QString& toolTip, int left, int top) {
    auto* b = new FaceButton(caption, look::kDarkFace, look::kWhite, parent);
    b->setFont(look::dialogFont(true));
    b->setGeometry(left, top, kRowButtonWidth, kRowButtonHeight);
    b->setToolTip(toolTip);
    b->setAccessibleName(caption);
    return b;
}

void showChosen(FaceButton* b, bool chosen, const QString& what) {
    b->setChosen(chosen);
    b->setAccessibleDescription(chosen ? what : b->toolTip());
}

}  // namespace

DrillWindow::DrillWindow(const codebook::CodeBook& book, DrillWindowOptions options)
    : book_(book), options_(std::move(options)), seed_(seedOf(options_.seed)) {
    setObjectName(QStringLiteral("DrillWindow"));
    setWindowTitle(texts::kWindowTitle);
    setWindowIcon(PictureCatalogue::instance().icon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(look::dialogFont());
    setFixedSize(kClientWidth, kClientHeight);

    if (options_.progressFile.empty()) options_.progressFile = progress::defaultProgressFile();
    store_ = std::make_unique<progress::ProgressStore>(options_.progressFile, options_.clock,
                                                       [this](DrillSet set) {
                                                           std::vector<std::string> codes;
                                                           for (const auto& s : lesson_->signalsIn(set)) codes.push_back(s.code);
                                                           return codes;
                                                       });
    lesson_ = std::make_unique<DrillLesson>(book_, *store_, options_.clock, drill::seededRandomSource(seed_));

    buildChoiceRows();
    buildPages();
    choose(DrillLesson::lastDrilled(*store_).value_or(DrillChoice{}));
}

DrillWindow::~DrillWindow() = default;

void DrillWindow::buildChoiceRows() {
    // Created in the order Tab goes through them: the sets, the letter, the
    // modes, then the progress and the end of the session.
    for (std::size_t i = 0; i < std::size(drill::kAllSets); ++i) {
        const DrillSet set = drill::kAllSets[i];
        FaceButton* b = rowButton(this, texts::setTitle(set), texts::setToolTip(set),
                                  16 + static_cast<int>(i) * kRowButtonStep, 8);
        b->setObjectName(QStringLiteral("DrillSet%1").arg(i + 1));
        QObject::connect(b, &QPushButton::clicked, this, [this, set] {
            choose({set, lesson_->choice().mode, set == DrillSet::General ? chosenLetter() : char(0)});
        });
        setButtons_[i] = b;
    }

    letterPicker_ = new QComboBox(this);
    letterPicker_->setObjectName(QStringLiteral("DrillLetter"));
    letterPicker_->setFont(look::dialogFont());
    letterPicker_->setGeometry(652, 14, 124, 21);
    letterPicker_->addItem(QStringLiteral("Все буквы"), 0);
    std::set<char> letters;
    for (const drill::DrillSignal& s : lesson_->signalsIn(DrillSet::General)) letters.insert(s.code.front());
    for (char letter : letters) letterPicker_->addItem(QStringLiteral("На букву %1").arg(QChar::fromLatin1(letter)), letter);
    letterPicker_->setAccessibleName(QStringLiteral("Первая буква сигналов"));
    letterPicker_->setToolTip(QStringLiteral("Только сигналы общего раздела на одну букву"));
    QObject::connect(letterPicker_, &QComboBox::activated, this,
                     [this] { choose({DrillSet::General, lesson_->choice().mode, chosenLetter()}); });

    for (std::size_t i = 0; i < std::size(drill::kAllModes); ++i) {
        const DrillMode mode = drill::kAllModes[i];
        FaceButton* b = rowButton(this, texts::modeTitle(mode), texts::modeToolTip(mode),
                                  16 + static_cast<int>(i) * kRowButtonStep, 47);
        b->setObjectName(QStringLiteral("DrillMode%1").arg(i + 1));
        QObject::connect(b, &QPushButton::clicked, this, [this, mode] {
            const DrillChoice now = lesson_->choice();
            choose({now.set, mode, now.firstLetter});
        });
        modeButtons_[i] = b;
    }
    progressButton_ = rowButton(this, QStringLiteral("Прогресс"), QStringLiteral("Сколько сигналов выучено"), 528, 47);
    progressButton_->setObjectName(QStringLiteral("DrillProgress"));
    QObject::connect(progressButton_, &QPushButton::clicked, this, [this] { showProgress(); });
    finishButton_ = rowButton(this, QStringLiteral("Закончить"), QStringLiteral("Закончить занятие и увидеть итог"),
                              656, 47);
    finishButton_->setObjectName(QStringLiteral("DrillFinish"));
    QObject::connect(finishButton_, &QPushButton::clicked, this, [this] { finish(); });

    medicalNote_ = lineLabel(this, "DrillMedicalNote", look::kTablesNote, QRect(16, 86, 760, 16));
    medicalNote_->setText(texts::kMedicalNote);
}

void DrillWindow::buildPages() {
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("DrillPages"));
    pages_->setGeometry(0, kPagesTop, kClientWidth, 434);
    questionPage_ = new QuestionPage(pages_);
    summaryPage_ = new SummaryPage(pages_);
    progressPage_ = new ProgressPage(pages_);
    pages_->addWidget(questionPage_);
    pages_->addWidget(summaryPage_);
    pages_->addWidget(progressPage_);

    QObject::connect(questionPage_->keyboard(), &DrillKeyboard::flagPressed, this, [this](char s) { flagTyped(s); });
    QObject::connect(questionPage_->choices(), &DrillChoices::chosen, this, [this](int place) { choiceMade(place); });
    QObject::connect(questionPage_->nextButton(), &QPushButton::clicked, this, [this] { next(); });
    QObject::connect(summaryPage_->repeatButton(), &QPushButton::clicked, this, [this] { repeatMistakes(); });
    QObject::connect(summaryPage_->newSessionButton(), &QPushButton::clicked, this,
                     [this] { choose(lesson_->choice()); });
    QObject::connect(progressPage_->resetButton(), &QPushButton::clicked, this, [this] { resetProgress(); });
    QObject::connect(progressPage_->backButton(), &QPushButton::clicked, this, [this] { leaveProgress(); });

    score_ = lineLabel(this, "DrillScore", look::kWhite, QRect(16, 542, 760, 18));
    score_->setFocusPolicy(Qt::TabFocus);
    notice_ = lineLabel(this, "DrillNotice", look::kGlint, QRect(16, 562, 760, 32));
    notice_->setFocusPolicy(Qt::TabFocus);
    notice_->setVisible(false);
}

FaceButton* DrillWindow::setButton(DrillSet set) const { return setButtons_[static_cast<std::size_t>(set)]; }

FaceButton* DrillWindow::modeButton(DrillMode mode) const { return modeButtons_[static_cast<std::size_t>(mode)]; }

char DrillWindow::chosenLetter() const { return static_cast<char>(letterPicker_->currentData().toInt()); }

void DrillWindow::choose(const DrillChoice& choice) {
    lesson_->start(choice);
    showChoice();
    reportStore();
    showQuestion();
}

void DrillWindow::showChoice() {
    const DrillChoice& choice = lesson_->choice();
    for (DrillSet set : drill::kAllSets)
        showChosen(setButton(set), set == choice.set, QStringLiteral("Выбранный набор"));
    for (DrillMode mode : drill::kAllModes)
        showChosen(modeButton(mode), mode == choice.mode, QStringLiteral("Выбранный режим"));
    letterPicker_->setVisible(choice.set == DrillSet::General);
    letterPicker_->setCurrentIndex(std::max(0, letterPicker_->findData(static_cast<int>(choice.firstLetter))));
    medicalNote_->setVisible(choice.set == DrillSet::Medical);
}

void DrillWindow::showQuestion() {
    if (lesson_->finished()) return showSummary();
    stage_ = Stage::Asking;
    typed_.clear();
    pages_->setCurrentWidget(questionPage_);

    const DrillChoice& choice = lesson_->choice();
    const DrillQuestion& q = lesson_->question();
    const bool meaning = choice.mode == DrillMode::Meaning;
    QString spokenHoist;
    if (choice.mode == DrillMode::Compose) {
        showHoistTyped();
    } else {
        questionPage_->hoist()->show(q.hoist, q.hoist.flags.size() + (q.hoist.medicalM ? 1 : 0), meaning);
        if (meaning) {
            spokenHoist = texts::flagNames(q.hoist.medicalM ? "M" + q.hoist.flags : q.hoist.flags);
            if (!q.hoist.table.empty())
                spokenHoist = QStringLiteral("таблица %1, %2").arg(QString::fromStdString(q.hoist.table), spokenHoist);
        }
    }
    const bool reconstructed = choice.mode == DrillMode::Compose && q.signal && q.signal->reconstructed;
    questionPage_->ask(texts::questionText(choice, q), spokenHoist, reconstructed, texts::howToAnswer(choice), meaning);
    if (meaning) {
        QStringList choiceTexts;
        std::vector<bool> choiceReconstructed;
        for (const drill::DrillSignal* s : q.choices) {
            choiceTexts << QString::fromStdString(s->text);
            choiceReconstructed.push_back(s->reconstructed);
        }
        questionPage_->choices()->show(choiceTexts, choiceReconstructed);
    }
    showScore();
    questionPage_->question()->setFocus();
}

void DrillWindow::showHoistTyped() {
    const DrillChoice& choice = lesson_->choice();
    drill::HoistOfSignal hoist;
    hoist.medicalM = choice.set == DrillSet::Medical;
    hoist.table = lesson_->question().hoist.table;
    hoist.flags = typed_;
    questionPage_->hoist()->show(hoist, drill::typedFlagsAtMost(choice.set) + (hoist.medicalM ? 1 : 0), true);
}

void DrillWindow::flagTyped(char symbol) {
    const DrillChoice& choice = lesson_->choice();
    if (stage_ != Stage::Asking || choice.mode == DrillMode::Meaning || !drill::mayType(choice.set, symbol)) return;
    const DrillQuestion& q = lesson_->question();
    const std::size_t atMost =
        choice.mode == DrillMode::RecogniseFlag ? q.hoist.flags.size() : drill::typedFlagsAtMost(choice.set);
    if (typed_.size() < atMost)
        typed_ += symbol;
    else if (atMost == 1)
        typed_ = std::string(1, symbol);  // a one-flag hoist: the new flag takes the old one's place
    else
        return;
    questionPage_->showTyped(texts::text(choice.set == DrillSet::Medical ? "M" + typed_ : typed_));
    if (choice.mode == DrillMode::Compose) showHoistTyped();
    // Reading a hoist is answered as soon as every flag of it is named.
    if (choice.mode == DrillMode::RecogniseFlag && typed_.size() == q.hoist.flags.size()) answerTyped();
}

void DrillWindow::takeBackFlag() {
    if (stage_ != Stage::Asking || typed_.empty()) return;
    typed_.pop_back();
    const DrillChoice& choice = lesson_->choice();
    questionPage_->showTyped(texts::text(choice.set == DrillSet::Medical && !typed_.empty() ? "M" + typed_ : typed_));
    if (choice.mode == DrillMode::Compose) showHoistTyped();
}

void DrillWindow::answerTyped() {
    if (stage_ != Stage::Asking || lesson_->choice().mode == DrillMode::Meaning || typed_.empty()) return;
    const DrillQuestion& q = lesson_->question();
    if (q.signal == nullptr) return;
    answer(drill::codeOfTyped(lesson_->choice().set, q.signal->code, typed_));
}

void DrillWindow::choiceMade(int place) {
    if (stage_ != Stage::Asking || lesson_->choice().mode != DrillMode::Meaning) return;
    const DrillQuestion& q = lesson_->question();
    if (place < 0 || place >= static_cast<int>(q.choices.size())) return;
    answer(q.choices[static_cast<std::size_t>(place)]->code);
}

void DrillWindow::answer(const std::string& code) {
    const DrillSet set = lesson_->choice().set;
    // The lesson moves on to the next question as it records the answer.
    const auto rightChoice = static_cast<int>(lesson_->question().rightChoice);
    const DrillOutcome outcome = lesson_->answer(code);
    if (outcome.asked == nullptr) return;
    stage_ = Stage::Answered;
    // The right hoist, flags named, beside the right meaning.
    const drill::HoistOfSignal right = drill::hoistOf(set, outcome.asked->code);
    questionPage_->hoist()->show(right, right.flags.size() + (right.medicalM ? 1 : 0), true);
    questionPage_->showResult(outcome.correct, texts::resultHeadline(outcome), texts::resultDetails(set, outcome),
                              outcome.asked->reconstructed || (outcome.givenSignal && outcome.givenSignal->reconstructed));
    if (lesson_->choice().mode == DrillMode::Meaning) questionPage_->choices()->showRight(rightChoice);
    reportStore();
    showScore();
    // A screen reader reads the result as the focus comes to it; Enter or
    // Space goes on from there.
    questionPage_->result()->setFocus();
}

void DrillWindow::next() {
    if (stage_ == Stage::Answered) showQuestion();
}

void DrillWindow::finish() {
    if (stage_ == Stage::Summary) return;
    lesson_->stopEarly();
    showSummary();
}

void DrillWindow::showSummary() {
    stage_ = Stage::Summary;
    pages_->setCurrentWidget(summaryPage_);
    const drill::Tally& tally = lesson_->tally();
    const QString score = tally.asked == 0
                              ? QStringLiteral("Ни одного ответа в этом занятии.")
                              : QStringLiteral("Верно %1 из %2 (%3 %).")
                                    .arg(tally.right)
                                    .arg(tally.asked)
                                    .arg(qRound(100.0 * tally.right / tally.asked));
    QStringList mistakes;
    const DrillSet set = lesson_->choice().set;
    for (const drill::Mistake& m : lesson_->mistakesOfRound())
        mistakes << texts::mistakeLine(set, drill::findSignal(lesson_->setSignals(), m.card.code), m.given);
    const DrillMode mode = lesson_->choice().mode;
    summaryPage_->show(QStringLiteral("%1, «%2»").arg(texts::setTitle(set), texts::modeTitle(mode)), score, mistakes);
    showScore();
    (mistakes.isEmpty() ? summaryPage_->newSessionButton() : summaryPage_->repeatButton())->setFocus();
}

void DrillWindow::repeatMistakes() {
    if (stage_ != Stage::Summary) return;
    if (lesson_->repeatMistakes() > 0) showQuestion();
}

void DrillWindow::showScore() {
    // While an answer is on view, the score counts the question just answered.
    const int number = lesson_->questionNumber() - (stage_ == Stage::Answered ? 1 : 0);
    const QString line = texts::scoreLine(lesson_->tally(), number, lesson_->questionCount(), stage_ == Stage::Summary);
    score_->setText(line);
    score_->setAccessibleName(QStringLiteral("Счёт: ") + line);
}

void DrillWindow::showProgress() {
    if (stage_ != Stage::Progress) stageBeforeProgress_ = stage_;
    stage_ = Stage::Progress;
    fillChart();
    pages_->setCurrentWidget(progressPage_);
    progressPage_->backButton()->setFocus();
}

void DrillWindow::fillChart() {
    std::vector<SetProgress> sets;
    const DrillMode mode = lesson_->choice().mode;
    for (DrillSet set : drill::kAllSets)
        sets.push_back({texts::setTitle(set),
                        store_->counts(set, mode, static_cast<int>(lesson_->signalsIn(set).size()))});
    progressPage_->chart()->showFigures(texts::modeTitle(mode), std::move(sets), store_->recentAccuracy());
    reportStore();
}

void DrillWindow::leaveProgress() {
    if (stage_ != Stage::Progress) return;
    switch (stageBeforeProgress_) {
        case Stage::Answered:
            stage_ = Stage::Answered;
            pages_->setCurrentWidget(questionPage_);
            questionPage_->result()->setFocus();
            break;
        case Stage::Summary: showSummary(); break;
        default: showQuestion(); break;  // asked anew, the flags typed so far taken down
    }
}

void DrillWindow::resetProgress() {
    if (!options_.ask(this, texts::kWindowTitle,
                      QStringLiteral("Сбросить весь прогресс? Все ответы и состояние всех сигналов будут удалены, "
                                     "вернуть их будет нельзя.")))
        return;
    store_->resetAll();
    // The session in hand was planned from the progress just deleted: a new
    // one begins, on view once the learner leaves the progress view.
    lesson_->start(lesson_->choice());
    stageBeforeProgress_ = Stage::Asking;
    fillChart();
    progressPage_->backButton()->setFocus();
}

void DrillWindow::reportStore() {
    QStringList lines;
    for (const std::string& line : store_->notices()) lines << QString::fromStdString(line);
    const QString text = lines.join(QLatin1Char(' '));
    if (text == notice_->text()) return;
    notice_->setText(text);
    notice_->setAccessibleName(QStringLiteral("Сообщение: ") + text);
    notice_->setVisible(!text.isEmpty());
}

void DrillWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    switch (stage_) {
        case Stage::Asking:
            if (lesson_->choice().mode == DrillMode::Meaning) {
                const auto symbol = symbolOfKeyPress(*event);
                if (symbol && *symbol >= '1' && *symbol < '1' + DrillChoices::kCount && !event->isAutoRepeat()) {
                    choiceMade(*symbol - '1');
                    return event->accept();
                }
            } else if (event->key() == Qt::Key_Backspace) {
                takeBackFlag();
                return event->accept();
            } else if (enter) {
                answerTyped();
                return event->accept();
            } else if (questionPage_->keyboard()->type(*event)) {
                return event->accept();
            }
            break;
        case Stage::Answered:
            // A held key does not run through the questions.
            if ((enter || event->key() == Qt::Key_Space) && !event->isAutoRepeat()) {
                next();
                return event->accept();
            }
            break;
        default: break;
    }
    QWidget::keyPressEvent(event);
}

void DrillWindow::paintEvent(QPaintEvent*) {
    // The main window's ground: its background picture over the highlight colour.
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Highlight));
    p.drawPixmap(0, 0, PictureCatalogue::instance().mainBackground());
}

}  // namespace mss::forms
