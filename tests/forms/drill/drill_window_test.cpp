// SPDX-License-Identifier: GPL-3.0-or-later
// The drill window, opened from the main window by F2 as the program opens
// it, and answered by typing as a learner would. The progress file lives in
// a temporary folder; the questions come in an order fixed by one seed,
// named in every failure.

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QToolTip>

#include <chrono>
#include <ctime>
#include <fstream>
#include <map>
#include <memory>
#include <set>

#include "codebook/hoist_words.h"
#include "codebook/signal_flags.h"
#include "asking/set_signals.h"
#include "forms/drill/drill_choice_bar.h"
#include "forms/question/meaning_buttons.h"
#include "forms/question/question_hoist.h"
#include "forms/question/question_keyboard.h"
#include "forms/drill/drill_pages.h"
#include "forms/question/question_page.h"
#include "forms/drill/drill_texts.h"
#include "forms/wiring/secondary_windows.h"
#include "forms/drill/progress_chart.h"
#include "forms/exam/exam_panel.h"
#include "forms/shared/face_button.h"
#include "forms/drill/progress_texts.h"
#include "forms/drill/session_chart.h"
#include "forms/shared/reconstructed_mark.h"
#include "forms/shared/application_setup.h"
#include "forms/shared/picture_catalogue.h"
#include "support/scenario.h"
#include "forms/window_fixture.h"
#include "look/look.h"
#include "qtext/utf8_text.h"

using namespace mss::testing;
using DrillMode = mss::asking::AskMode;
using DrillSet = mss::asking::SignalSet;
using mss::drill::DrillChoice;
using mss::forms::DrillWindow;
using mss::forms::DrillWindowOptions;
using Stage = mss::drill::DrillFlow::Stage;

namespace {

constexpr std::uint64_t kSeed = 19651224;
const QString kReconstructedNote = QStringLiteral("Текст восстановлен; сверьте с печатным изданием");

QString shown(const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); }
QString shown(const std::string& s) { return shown(QString::fromStdString(s)); }
[[maybe_unused]] QString shown(const char* s) { return shown(QString::fromUtf8(s)); }
QString shown(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }
template <typename Number>
    requires std::is_arithmetic_v<Number>
QString shown(Number n) {
    return QString::number(n);
}
QString shown(Stage s) { return QStringLiteral("stage %1").arg(static_cast<int>(s)); }
QString shown(const mss::progress::ProgressCounts& c) {
    return QStringLiteral("{new %1, learning %2, learned %3}").arg(c.fresh).arg(c.learning).arg(c.learned);
}
QString shown(const void* p) { return p ? QStringLiteral("a pointer") : QStringLiteral("nullptr"); }
QString shown(const std::vector<std::string>& codes) {
    QStringList list;
    for (const std::string& code : codes) list << QString::fromStdString(code);
    return QLatin1Char('{') + list.join(QStringLiteral(", ")) + QLatin1Char('}');
}

// A meaning as the drill quotes it: «…», without its final point.
QString meaningQuoted(const std::string& text) {
    QString t = QString::fromStdString(text).trimmed();
    if (t.endsWith(QLatin1Char('.')) && !t.endsWith(QStringLiteral(".."))) t.chop(1);
    return QStringLiteral("«%1»").arg(t);
}

// One row of the progress file's answers.
struct RecordedAnswer {
    QString set, mode, code, given;
    bool correct = false;
};

// The answers in the file, read around the store (nothing is created).
std::vector<RecordedAnswer> answersIn(const QString& file) {
    std::vector<RecordedAnswer> rows;
    const QString name = QStringLiteral("drill-window-test");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("SELECT card_set, mode, code, given, correct FROM answers ORDER BY id"));
            while (q.next())
                rows.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                q.value(3).toString(), q.value(4).toInt() == 1});
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

// A clock one second further on at every reading.
mss::asking::Clock steppingClock() {
    return [t = mss::asking::TimePoint{std::chrono::seconds{1'796'911'387}}]() mutable {
        t += std::chrono::seconds(1);
        return t;
    };
}

const std::vector<mss::asking::Signal>& signalsOf(DrillSet set) {
    static std::map<DrillSet, std::vector<mss::asking::Signal>> all;
    auto& list = all[set];
    if (list.empty()) list = mss::asking::signalsOfSet(shippedBook(), set);
    return list;
}

// The Russian letter on the key where a Latin letter is.
QString russianOnKey(char latin) {
    static const std::map<char, QString> keys = [] {
        std::map<char, QString> m;
        const char* latinRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
        const QString russianRows[] = {QStringLiteral("йцукенгшщз"), QStringLiteral("фывапролд"),
                                       QStringLiteral("ячсмить")};
        for (int r = 0; r < 3; ++r)
            for (int i = 0; latinRows[r][i]; ++i) m[latinRows[r][i]] = russianRows[r].mid(i, 1);
        return m;
    }();
    return keys.at(latin);
}


// Times of the sessions written before a test: a Sunday evening in UTC is
// already Monday in the zone the test sets.
constexpr mss::asking::TimePoint kSundayEvening{std::chrono::seconds{1'805'063'400}};  // 2027-03-14 22:30 UTC
constexpr mss::asking::TimePoint kTuesdayMorning{std::chrono::seconds{1'805'187'900}};  // 2027-03-16 09:05 UTC
constexpr mss::asking::TimePoint kSaturday{std::chrono::seconds{1'805'536'800}};        // 2027-03-20 10:00 UTC

// The local time zone for one test, put back when it ends.
class LocalZone {
public:
    explicit LocalZone(const char* tz) : had_(qEnvironmentVariableIsSet("TZ")), old_(qgetenv("TZ")) {
        qputenv("TZ", tz);
        tzset();
    }
    ~LocalZone() {
        had_ ? qputenv("TZ", old_) : qunsetenv("TZ");
        tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    bool had_;
    QByteArray old_;
};

// A session as the progress file keeps it: what was drilled, when, and its
// answers in order ('v' right, 'x' wrong), to the codes given in turn (to
// the set's first signals when none are given), twenty seconds apart.
struct PastSession {
    DrillChoice choice;
    mss::asking::TimePoint at;
    std::string answers;
    std::vector<std::string> codes = {};
};

void writeProgress(const QString& file, const std::vector<PastSession>& sessions) {
    const mss::asking::TimePoint last = sessions.empty() ? kSaturday : sessions.back().at;
    mss::progress::ProgressStore store(file.toStdString(), [last] { return last; });
    for (const PastSession& s : sessions) {
        mss::drill::SessionRecord record{s.choice, std::nullopt};
        for (std::size_t i = 0; i < s.answers.size(); ++i) {
            const std::string code = s.codes.empty() ? signalsOf(s.choice.set)[i].code : s.codes[i % s.codes.size()];
            const bool right = s.answers[i] == 'v';
            const mss::asking::TimePoint at = s.at + std::chrono::seconds(20 * static_cast<int>(i));
            store.recordAnswer({{s.choice.set, s.choice.mode, code}, right ? code : std::string("?"), right, at, {0, at, at}},
                               record);
        }
    }
}

}  // namespace

// Every check names the seed and the question on view.
#define CHECK(cond) QVERIFY2((cond), qPrintable(where()))
#define CHECK_EQ(actual, expected)                                                                                    \
    do {                                                                                                              \
        const auto actual_ = (actual);                                                                                \
        const auto expected_ = (expected);                                                                            \
        QVERIFY2(actual_ == expected_, qPrintable(where() + QStringLiteral(": %1 is %2, expected %3")                 \
                                                                .arg(QStringLiteral(#actual), shown(actual_),         \
                                                                     shown(expected_))));                             \
    } while (false)
#define TRY_CHECK(cond) QTRY_VERIFY2((cond), qPrintable(where()))

class DrillWindowTest : public QObject {
    Q_OBJECT

    WindowFixture w;
    std::unique_ptr<QTemporaryDir> folder;
    struct {
        int count = 0;
        QString title, question;
        bool answer = false;
    } resetAsked;

    QString progressFile() const { return folder->filePath(QStringLiteral("progress.sqlite3")); }

    DrillWindowOptions options(const QString& file) {
        DrillWindowOptions o;
        o.progressFile = file.toStdString();
        o.clock = steppingClock();
        o.seed = kSeed;
        o.ask = [this](QWidget*, const QString& title, const QString& question) {
            ++resetAsked.count;
            resetAsked.title = title;
            resetAsked.question = question;
            return resetAsked.answer;
        };
        return o;
    }

    DrillWindow* drill() const { return DrillWindow::current(); }

    QString where() const {
        QString note = QStringLiteral("seed %1").arg(kSeed);
        if (const DrillWindow* d = drill(); d && d->flow().question().signal)
            note += QString::fromUtf8(d->stage() == Stage::Asking ? ", asking %1" : ", answered %1")
                        .arg(QString::fromStdString(d->flow().question().signal->code));
        return note;
    }

    // Presses F2 on the main window, as the learner does.
    bool pressF2() {
        w.window->activateWindow();
        if (!QTest::qWaitForWindowActive(w.window.get())) return false;
        QTest::keyClick(w.window.get(), Qt::Key_F2);
        return drill() != nullptr && QTest::qWaitForWindowExposed(drill());
    }

    // Wires F2 to a drill window on `file` and opens it.
    DrillWindow* open(const QString& file) {
        mss::forms::offerDrill(*w.window, shippedBook(), options(file));
        return pressF2() ? drill() : nullptr;
    }
    // The same on a clock that stands still at `now`.
    DrillWindow* open(const QString& file, mss::asking::TimePoint now) {
        DrillWindowOptions o = options(file);
        o.clock = [now] { return now; };
        mss::forms::offerDrill(*w.window, shippedBook(), o);
        return pressF2() ? drill() : nullptr;
    }

    // The controls Tab reaches from `start`, in turn, until it comes round.
    std::vector<QWidget*> tabRound(QWidget* start) const {
        std::vector<QWidget*> reached;
        start->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 200; ++i) {
            QWidget* now = QApplication::focusWidget();
            if (!now || std::find(reached.begin(), reached.end(), now) != reached.end()) break;
            reached.push_back(now);
            QTest::keyClick(now, Qt::Key_Tab);
        }
        return reached;
    }

    void choose(DrillSet set, DrillMode mode) {
        QTest::mouseClick(drill()->choiceBar()->setButton(set), Qt::LeftButton);
        QTest::mouseClick(drill()->choiceBar()->modeButton(mode), Qt::LeftButton);
    }

    // Where typing goes: the control with the focus, or the window.
    QWidget* typingTarget() const { return drill()->focusWidget() ? drill()->focusWidget() : drill(); }

    void type(const QString& keys) {
        for (const QChar c : keys) QTest::keyClicks(typingTarget(), QString(c));
    }
    void press(Qt::Key key) { QTest::keyClick(typingTarget(), key); }
    // A letter typed on the Russian layout, where the platform gives no key code.
    void typeRussian(const QString& letter) {
        const auto key = static_cast<Qt::Key>(letter.at(0).toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, typingTarget(), key, letter, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, typingTarget(), key, letter, Qt::NoModifier);
    }

    // Puts flags up with the keys of the computer's keyboard: letters and
    // digits as they are, a substitute with Shift and its number, the
    // answering pennant with Shift+0.
    void raiseByKeys(const std::vector<int>& flags) {
        for (int flag : flags) {
            const auto& f = mss::codebook::signalFlag(flag);
            if (f.kind == mss::codebook::FlagKind::Letter || f.kind == mss::codebook::FlagKind::Numeral)
                type(QString(QChar::fromLatin1(f.symbol)));
            else
                QTest::keyClick(typingTarget(), static_cast<Qt::Key>(Qt::Key_0 + mss::codebook::substituteNumber(flag)),
                                Qt::ShiftModifier);
        }
    }

    // Answers the question on view rightly, as a learner would: its number
    // among the meanings, its letters and digits named, or its hoist put up
    // as one set flies it; Enter where the mode wants it.
    void answerRightly() {
        const auto& q = drill()->flow().question();
        const DrillChoice choice = drill()->flow().choice();
        if (choice.mode == DrillMode::Meaning) return type(QString::number(q.rightChoice + 1));
        if (choice.mode == DrillMode::Compose || choice.set == DrillSet::Flags)
            raiseByKeys(std::vector<int>(q.hoist.flown.begin() + (q.hoist.medicalM ? 1 : 0), q.hoist.flown.end()));
        else
            type(QString::fromStdString(q.hoist.flags));
        if (drill()->stage() == Stage::Asking) press(Qt::Key_Return);
    }

    // Keys that answer it wrongly: another meaning, another last flag, or a
    // signal the code does not have.
    QString wrongKeys() const {
        const auto& q = drill()->flow().question();
        const DrillChoice choice = drill()->flow().choice();
        if (choice.mode == DrillMode::Meaning) return QString::number((q.rightChoice + 1) % q.choices.size() + 1);
        if (choice.set == DrillSet::Flags) return q.hoist.flags == "Q" ? QStringLiteral("R") : QStringLiteral("Q");
        std::string keys = q.hoist.flags;
        if (choice.mode == DrillMode::Compose && (choice.set == DrillSet::General || choice.set == DrillSet::Medical)) {
            for (const char* made : {"QQ9", "ZZ9", "ZZ"})
                if (mss::asking::typedFlagsAtMost(choice.set) >= std::strlen(made) &&
                    std::string(made).find_first_of(choice.set == DrillSet::Medical ? "0123456789" : "") ==
                        std::string::npos &&
                    !mss::asking::findSignal(signalsOf(choice.set),
                                            mss::asking::codeOfTyped(choice.set, q.signal->code, made)))
                    return QString::fromLatin1(made);
        }
        for (char c : std::string("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"))
            if (mss::asking::mayType(choice.set, c) && c != keys.back()) {
                keys.back() = c;
                break;
            }
        return QString::fromStdString(keys);
    }

    // Answers the question on view with keys, and Enter where the mode wants it.
    void answerWith(const QString& keys) {
        type(keys);
        if (drill()->stage() == Stage::Asking && drill()->flow().choice().mode != DrillMode::Meaning)
            press(Qt::Key_Return);
    }

    QString resultSpoken() const { return drill()->questionPage()->result()->accessibleName(); }

private Q_SLOTS:
    void initTestCase() { mss::forms::prepareApplication(); }
    void init() {
        resetAsked = {};
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        QVERIFY(w.open());
    }
    void cleanup() {
        delete DrillWindow::current();
        w.window.reset();
        folder.reset();
    }

    void f2OpensOneDrillWindowAndRaisesIt() {
        mss::forms::offerDrill(*w.window, shippedBook(), options(progressFile()));
        CHECK(!drill());
        CHECK(pressF2());
        DrillWindow* first = drill();
        CHECK_EQ(first->windowTitle(), QStringLiteral("Тренировка"));
        CHECK(first->isVisible());
        CHECK(!first->parentWidget());
        CHECK(!first->isModal());
        TRY_CHECK(QApplication::activeWindow() == first);
        // Opening reads progress but writes nothing.
        CHECK(!QFile::exists(progressFile()));

        CHECK(pressF2());
        CHECK_EQ(drill(), first);
        TRY_CHECK(QApplication::activeWindow() == first);
        QTest::mouseClick(w.window->drillButton(), Qt::LeftButton);
        CHECK_EQ(drill(), first);
        int drillWindows = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<DrillWindow*>(top)) ++drillWindows;
        CHECK_EQ(drillWindows, 1);

        // Closed, it goes; F2 makes a new one.
        first->close();
        TRY_CHECK(!drill());
        CHECK(pressF2());
        CHECK(drill() != nullptr);
    }

    void opensWithItsCaptionOnTheScreen() {
        // Wholly on the screen, frame and all, where it can be made small
        // enough; on a small screen at a high scale (1280 x 900 at 200 %) it
        // cannot, and its caption still opens on it.
        DrillWindow* d = open(progressFile());
        CHECK(d);
        if (QGuiApplication::platformName() == QStringLiteral("xcb")) TRY_CHECK(d->frameGeometry() != d->geometry());
        const QRect available = d->screen()->availableGeometry();
        TRY_CHECK(available.contains(d->frameGeometry().topLeft()));
        CHECK(available.contains(d->geometry().topLeft()));
        const QSize around = d->frameGeometry().size() - d->size();
        if (available.width() >= d->minimumWidth() + around.width() &&
            available.height() >= d->minimumHeight() + around.height())
            TRY_CHECK(available.contains(d->frameGeometry()));
    }

    void opensOnTheFlagsWithTheFirstQuestionAsked() {
        DrillWindow* d = open(progressFile());
        CHECK(d);
        CHECK(d->choiceBar()->setButton(DrillSet::Flags)->isChosen());
        CHECK(d->choiceBar()->modeButton(DrillMode::RecogniseFlag)->isChosen());
        CHECK_EQ(d->stage(), Stage::Asking);
        CHECK_EQ(d->pages()->currentWidget(), static_cast<QWidget*>(d->questionPage()));
        const auto& q = d->flow().question();
        // A pennant is asked as a pennant.
        const bool pennant = q.hoist.flags.front() >= '0' && q.hoist.flags.front() <= '9';
        CHECK_EQ(d->questionPage()->question()->text(),
                 pennant ? QStringLiteral("Какой это вымпел?") : QStringLiteral("Какой это флаг?"));
        CHECK(d->questionPage()->question()->accessibleName().startsWith(QStringLiteral("Вопрос: ")));
        CHECK(d->questionPage()->keyboard()->isVisible());
        CHECK(!d->choiceBar()->letterPicker()->isVisible());
        const int flag = *mss::codebook::flagIndexOfSymbol(q.hoist.flags.front());
        CHECK_EQ(static_cast<const void*>(d->questionPage()->hoist()->position(0)->picture()),
                 static_cast<const void*>(&mss::forms::PictureCatalogue::instance().flag(flag)));
        // Reading the flag is the learner's task: a screen reader does not name it.
        const QString name = mss::toQString(mss::codebook::flagEntry(flag).phoneticName);
        CHECK(!d->questionPage()->hoist()->position(0)->accessibleName().contains(name));
        CHECK_EQ(d->scoreLine()->text(), QStringLiteral("Вопрос 1 из 20 · Верно: 0 из 0 · Подряд: 0"));
        CHECK_EQ(static_cast<QWidget*>(QApplication::focusWidget()), static_cast<QWidget*>(d->questionPage()->question()));

        // Typing answers at once, on the Russian layout too: the key where the letter is.
        const char symbol = q.hoist.flags.front();
        if (symbol >= 'A' && symbol <= 'Z')
            typeRussian(russianOnKey(symbol));
        else
            type(QString(QChar::fromLatin1(symbol)));
        CHECK_EQ(d->stage(), Stage::Answered);
        CHECK(resultSpoken().startsWith(QStringLiteral("Результат: Верно!")));
        CHECK(resultSpoken().contains(name));
        CHECK(d->questionPage()->hoist()->position(0)->accessibleName().contains(name));
    }

    void rightAndWrongAnswersInEveryMode_data() {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("mode");
        std::vector<std::pair<DrillSet, DrillMode>> rows;
        for (DrillSet set : mss::asking::kAllSets)
            for (DrillMode mode : mss::asking::kAllModes) rows.emplace_back(set, mode);
        for (const auto& [set, mode] : rows)
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QString::fromLatin1(mss::asking::storedName(set).data()),
                                                                  QString::fromLatin1(mss::asking::storedName(mode).data()))))
                << static_cast<int>(set) << static_cast<int>(mode);
    }

    void rightAndWrongAnswersInEveryMode() {
        QFETCH(int, set);
        QFETCH(int, mode);
        const auto drillSet = static_cast<DrillSet>(set);
        const auto drillMode = static_cast<DrillMode>(mode);
        DrillWindow* d = open(progressFile());
        CHECK(d);
        choose(drillSet, drillMode);
        CHECK(d->choiceBar()->setButton(drillSet)->isChosen());
        CHECK(d->choiceBar()->modeButton(drillMode)->isChosen());
        CHECK_EQ(d->questionPage()->choices()->button(0)->isVisible(), drillMode == DrillMode::Meaning);
        CHECK_EQ(d->questionPage()->keyboard()->isVisible(), drillMode != DrillMode::Meaning);
        if (drillMode == DrillMode::Meaning) {
            // Four different meanings, the asked signal's among them.
            std::set<QString> texts;
            for (int place = 0; place < 4; ++place) texts.insert(d->questionPage()->choices()->button(place)->text().mid(3));
            CHECK_EQ(texts.size(), std::size_t{4});
            const auto& q = d->flow().question();
            CHECK_EQ(d->questionPage()->choices()->button(static_cast<int>(q.rightChoice))->text().mid(3),
                     QString::fromStdString(q.signal->text).trimmed());
        }

        for (const bool right : {true, false}) {
            const std::string asked = d->flow().question().signal->code;
            const mss::asking::HoistOfSignal hoist = d->flow().question().hoist;
            right ? answerRightly() : answerWith(wrongKeys());
            CHECK_EQ(d->stage(), Stage::Answered);
            CHECK(resultSpoken().startsWith(right ? QStringLiteral("Результат: Верно!")
                                                  : QStringLiteral("Результат: Неверно.")));
            // The right answer with its flags and meaning.
            const auto* signal = mss::asking::findSignal(signalsOf(drillSet), asked);
            if (drillSet == DrillSet::Tables)
                CHECK(resultSpoken().contains(QStringLiteral("Таблица %1, цифра %2 (")
                                                  .arg(QString::fromStdString(hoist.table), QString::fromStdString(hoist.flags))));
            else if (drillSet != DrillSet::Flags)
                CHECK(resultSpoken().contains(QString::fromStdString(mss::codebook::hoistWithMorse(hoist.flown))));
            CHECK(resultSpoken().contains(drillSet == DrillSet::Flags ? QString::fromStdString(signal->text)
                                                                     : meaningQuoted(signal->text)));
            const auto& pictures = mss::forms::PictureCatalogue::instance();
            // The hoist as one set flies it: MRR as M, R and the 2nd substitute.
            const std::size_t first = hoist.medicalM ? 1 : 0;
            if (hoist.medicalM)
                CHECK_EQ(static_cast<const void*>(d->questionPage()->hoist()->position(0)->picture()),
                         static_cast<const void*>(&pictures.singleM()));
            for (std::size_t i = first; i < hoist.flown.size(); ++i)
                CHECK_EQ(static_cast<const void*>(d->questionPage()->hoist()->position(i)->picture()),
                         static_cast<const void*>(&pictures.flag(hoist.flown[i])));
            CHECK_EQ(d->questionPage()->hoist()->tableName()->isVisible(), !hoist.table.empty());

            // Recorded before the next question shows: one row per answer.
            const auto rows = answersIn(progressFile());
            CHECK_EQ(rows.size(), std::size_t{right ? 1u : 2u});
            CHECK_EQ(rows.back().set, QString::fromLatin1(mss::asking::storedName(drillSet).data()));
            CHECK_EQ(rows.back().mode, QString::fromLatin1(mss::asking::storedName(drillMode).data()));
            CHECK_EQ(rows.back().code, QString::fromStdString(asked));
            CHECK_EQ(rows.back().correct, right);
            CHECK_EQ(d->scoreLine()->text(),
                     right ? QStringLiteral("Вопрос 1 из 20 · Верно: 1 из 1 · Подряд: 1")
                           : QStringLiteral("Вопрос 2 из 20 · Верно: 1 из 2 · Подряд: 0"));
            // The focus is on the result, which a screen reader then reads.
            CHECK_EQ(d->questionPage()->result()->hasFocus(), true);
            if (right)
                press(Qt::Key_Return);
            else
                QTest::keyClick(d->questionPage()->nextButton(), Qt::Key_Space);  // Space on the button goes on too
            CHECK_EQ(d->stage(), Stage::Asking);
        }
        CHECK(d->store().saving());
        CHECK(!d->notice()->isVisible());
    }

    // After an answer about MLQ or a row of the swell table, the learner
    // reads what another edition of the code says otherwise; after any
    // other signal, nothing of the kind.
    void theResultTellsWhatAnotherEditionCallsTheSignal() {
        const struct {
            DrillSet set;
            const char* asked;
            const char* noteHas;  // nullptr: no note
        } cases[] = {
            {DrillSet::Medical, "MLQ", "MLG"},
            {DrillSet::General, "XH3", "1965"},
            {DrillSet::General, "XE", "1965"},
            {DrillSet::Medical, "MLF", nullptr},
            {DrillSet::General, "AE1", nullptr},
        };
        for (const auto& c : cases) {
            const auto* asked = mss::asking::findSignal(signalsOf(c.set), c.asked);
            QVERIFY2(asked != nullptr, c.asked);
            const auto* other = mss::asking::findSignal(signalsOf(c.set), c.set == DrillSet::Medical ? "MAA" : "AA");
            for (const bool right : {true, false}) {
                const mss::drill::DrillOutcome outcome{asked, right ? asked->code : other->code, right ? asked : other,
                                                       right};
                const QString details = mss::forms::drill_texts::resultDetails(c.set, outcome);
                const QString lastLine = details.section(u'\n', -1);
                if (c.noteHas == nullptr) {
                    QVERIFY2(!details.contains(QStringLiteral("издани")), qPrintable(details));
                    continue;
                }
                // The note closes the details, on a line of its own.
                QVERIFY2(lastLine.contains(QString::fromUtf8(c.noteHas)) && lastLine.contains(QStringLiteral("издани")),
                         qPrintable(details));
            }
        }
    }

    void aMeaningIsChosenByClickAndFlagsByTheKeyboardsKeys() {
        DrillWindow* d = open(progressFile());
        CHECK(d);
        choose(DrillSet::SingleLetter, DrillMode::Meaning);
        const int right = static_cast<int>(d->flow().question().rightChoice);
        QTest::mouseClick(d->questionPage()->choices()->button(right), Qt::LeftButton);
        CHECK(resultSpoken().startsWith(QStringLiteral("Результат: Верно!")));
        // The right meaning stands out.
        CHECK(static_cast<mss::forms::FaceButton*>(d->questionPage()->choices()->button(right))->isChosen());
        QTest::mouseClick(d->questionPage()->nextButton(), Qt::LeftButton);
        CHECK_EQ(d->stage(), Stage::Asking);

        choose(DrillSet::Flags, DrillMode::RecogniseFlag);
        const char symbol = d->flow().question().hoist.flags.front();
        QTest::mouseClick(d->questionPage()->keyboard()->key(symbol), Qt::LeftButton);
        CHECK(resultSpoken().startsWith(QStringLiteral("Результат: Верно!")));
        // Space goes on from the result; a held key does not skip questions.
        QTest::keyClick(typingTarget(), Qt::Key_Space, Qt::NoModifier);
        CHECK_EQ(d->stage(), Stage::Asking);
        answerRightly();
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(typingTarget(), &held);
        CHECK_EQ(d->stage(), Stage::Answered);
        press(Qt::Key_Return);
        CHECK_EQ(d->stage(), Stage::Asking);
        CHECK_EQ(d->flow().tally().asked, 2);
    }

    void composingPutsFlagsUpAndBackspaceTakesTheLastOff() {
        DrillWindow* d = open(progressFile());
        CHECK(d);
        choose(DrillSet::General, DrillMode::Compose);
        auto hoistPicture = [d](std::size_t place) { return d->questionPage()->hoist()->position(place)->picture(); };
        CHECK(!hoistPicture(0));
        type(QStringLiteral("AB"));
        CHECK_EQ(d->flow().typed().hoist().flags, std::string("AB"));
        CHECK(hoistPicture(1) != nullptr);
        press(Qt::Key_Backspace);
        CHECK_EQ(d->flow().typed().hoist().flags, std::string("A"));
        CHECK(!hoistPicture(1));
        CHECK_EQ(d->questionPage()->typed()->text(), QStringLiteral("Набрано: A"));
        type(QStringLiteral("E17"));  // the fourth flag finds no place, and the line says why
        CHECK_EQ(d->flow().typed().hoist().flags, std::string("AE1"));
        CHECK_EQ(d->questionPage()->typed()->text(),
                 QStringLiteral("Набрано: A, E, 1 — Больше трёх флагов сигнал этого раздела не поднимает; "
                                "Backspace снимает последний."));
        CHECK_EQ(d->stage(), Stage::Asking);
        press(Qt::Key_Return);
        CHECK_EQ(d->stage(), Stage::Answered);
        CHECK_EQ(answersIn(progressFile()).back().given, QStringLiteral("AE1"));

        // The medical M is hoisted for the learner and stays up.
        press(Qt::Key_Return);
        choose(DrillSet::Medical, DrillMode::Compose);
        CHECK_EQ(static_cast<const void*>(hoistPicture(0)),
                 static_cast<const void*>(&mss::forms::PictureCatalogue::instance().singleM()));
        // It is part of what the line reads from the start, and of a refusal's.
        CHECK_EQ(d->questionPage()->typed()->text(), QStringLiteral("Набрано: M"));
        type(QStringLiteral("M"));
        CHECK(d->questionPage()->typed()->text().startsWith(QStringLiteral("Набрано: M — Флаг M уже поднят")));
        press(Qt::Key_Backspace);
        type(QStringLiteral("A1B"));  // no digits in the medical section
        CHECK_EQ(d->flow().typed().hoist().flags, std::string("AB"));
        CHECK_EQ(d->questionPage()->typed()->text(), QStringLiteral("Набрано: M, A, B"));
        press(Qt::Key_Backspace);
        press(Qt::Key_Backspace);
        press(Qt::Key_Backspace);
        CHECK_EQ(static_cast<const void*>(hoistPicture(0)),
                 static_cast<const void*>(&mss::forms::PictureCatalogue::instance().singleM()));
        press(Qt::Key_Return);  // nothing typed: nothing answered
        CHECK_EQ(d->stage(), Stage::Asking);
        CHECK_EQ(answersIn(progressFile()).size(), std::size_t{1});
    }

    void aHoistIsComposedWithOneSetAndItsSubstitutes() {
        DrillWindow* d = open(progressFile());
        CHECK(d);
        const auto& pictures = mss::forms::PictureCatalogue::instance();
        auto hoistPicture = [d](std::size_t place) {
            return static_cast<const void*>(d->questionPage()->hoist()->position(place)->picture());
        };
        choose(DrillSet::General, DrillMode::Compose);
        d->drillSignals({"AA"});
        type(QStringLiteral("AA"));  // one set has one A
        CHECK_EQ(d->questionPage()->typed()->text(),
                 QStringLiteral("Набрано: A — Флаг A уже поднят — поднимите заменяющий."));
        QTest::keyClick(typingTarget(), Qt::Key_1, Qt::ShiftModifier);
        CHECK_EQ(d->questionPage()->typed()->text(), QStringLiteral("Набрано: A, 1-й заменяющий"));
        CHECK_EQ(hoistPicture(1), static_cast<const void*>(&pictures.flag(mss::codebook::substituteFlag(1))));
        press(Qt::Key_Return);
        CHECK(resultSpoken().startsWith(QStringLiteral("Результат: Верно!")));
        CHECK(resultSpoken().contains(QStringLiteral("1-й заменяющий (повторяет A)")));
        CHECK_EQ(answersIn(progressFile()).back().given, QStringLiteral("AA"));

        choose(DrillSet::Medical, DrillMode::Compose);
        d->drillSignals({"MAA", "MMA"});
        type(QStringLiteral("A"));
        QTest::keyClick(typingTarget(), Qt::Key_2, Qt::ShiftModifier);
        CHECK_EQ(hoistPicture(2), static_cast<const void*>(&pictures.flag(mss::codebook::substituteFlag(2))));
        press(Qt::Key_Return);
        CHECK(resultSpoken().startsWith(QStringLiteral("Результат: Верно!")));
        press(Qt::Key_Return);
        // The substitutes' own keys under the flags do the same as Shift.
        QTest::mouseClick(d->questionPage()->keyboard()->key(mss::codebook::substituteFlag(1)), Qt::LeftButton);
        type(QStringLiteral("A"));
        press(Qt::Key_Return);
        CHECK(resultSpoken().startsWith(QStringLiteral("Результат: Верно!")));
        CHECK_EQ(answersIn(progressFile()).back().given, QStringLiteral("MMA"));
    }

    // 2, the 1st substitute and the answering pennant: a hoist half made, its
    // digit after the point still to come. Each flag is named with what it
    // gives, the substitute with the digit it repeats, never a character 0.
    void aHalfMadeHoistNamesWhatItsSubstituteRepeats() {
        DrillWindow* d = open(progressFile());
        CHECK(d);
        choose(DrillSet::General, DrillMode::Compose);
        d->drillSignals({"AE1"});
        type(QStringLiteral("2"));
        QTest::keyClick(typingTarget(), Qt::Key_1, Qt::ShiftModifier);
        QTest::keyClick(typingTarget(), Qt::Key_0, Qt::ShiftModifier);
        CHECK_EQ(d->questionPage()->typed()->text(), QStringLiteral("Набрано: 2, 1-й заменяющий, ответный вымпел"));
        const QString spoken[] = {QStringLiteral("вымпел 2 — Биссоту"),
                                  QStringLiteral("первый заменяющий — повторяет 2"),
                                  QStringLiteral("ответный вымпел — десятичная запятая")};
        const QString places[] = {QStringLiteral("Первый флаг"), QStringLiteral("Второй флаг"),
                                  QStringLiteral("Третий флаг")};
        for (std::size_t p = 0; p < 3; ++p) {
            const QWidget* position = d->questionPage()->hoist()->position(p);
            CHECK_EQ(position->toolTip(), spoken[p]);
            CHECK_EQ(position->accessibleName(), places[p] + QStringLiteral(": ") + spoken[p]);
        }
    }

    void theLetterPickerNarrowsTheGeneralSection() {
        DrillWindow* d = open(progressFile());
        CHECK(d);
        choose(DrillSet::General, DrillMode::Compose);
        CHECK(d->choiceBar()->letterPicker()->isVisible());
        const int k = d->choiceBar()->letterPicker()->findData(static_cast<int>('K'));
        CHECK(k > 0);
        d->choiceBar()->letterPicker()->setCurrentIndex(k);
        Q_EMIT d->choiceBar()->letterPicker()->activated(k);
        CHECK_EQ(d->flow().choice().firstLetter, 'K');
        for (int i = 0; i < 20 && d->stage() == Stage::Asking; ++i) {
            CHECK_EQ(d->flow().question().signal->code.front(), 'K');
            answerRightly();
            press(Qt::Key_Return);
        }
        QTest::mouseClick(d->choiceBar()->setButton(DrillSet::Flags), Qt::LeftButton);
        CHECK(!d->choiceBar()->letterPicker()->isVisible());
    }

    void aSessionEndsInASummaryAndItsMistakesCanBeAskedAgain() {
        DrillWindow* d = open(progressFile());
        CHECK(d);
        // A whole session: twenty questions, then the summary.
        std::vector<std::string> wrong;
        for (int i = 0; i < 20; ++i) {
            CHECK_EQ(d->stage(), Stage::Asking);
            const bool right = i % 7 != 3;
            if (!right) wrong.push_back(d->flow().question().signal->code);
            right ? answerRightly() : answerWith(wrongKeys());
            press(Qt::Key_Return);
        }
        CHECK_EQ(d->stage(), Stage::Summary);
        CHECK_EQ(answersIn(progressFile()).size(), std::size_t{20});
        auto* summary = d->summaryPage();
        CHECK_EQ(summary->score()->text(), QStringLiteral("Верно 17 из 20 (85 %)."));
        CHECK_EQ(summary->mistakes()->count(), 3);
        for (int row = 0; row < 3; ++row)
            CHECK(summary->mistakes()->item(row)->text().startsWith(QString::fromStdString(wrong[static_cast<std::size_t>(row)])));
        CHECK(summary->repeatButton()->isVisible());

        // «Повторить ошибки» has the focus: Enter asks the three again, in order.
        CHECK(summary->repeatButton()->hasFocus());
        press(Qt::Key_Return);
        for (const std::string& code : wrong) {
            CHECK_EQ(d->stage(), Stage::Asking);
            CHECK_EQ(d->flow().question().signal->code, code);
            answerRightly();
            press(Qt::Key_Return);
        }
        CHECK_EQ(d->stage(), Stage::Summary);
        CHECK_EQ(summary->score()->text(), QStringLiteral("Верно 20 из 23 (87 %)."));
        CHECK_EQ(summary->mistakes()->count(), 0);
        CHECK(!summary->repeatButton()->isVisible());
        CHECK_EQ(answersIn(progressFile()).size(), std::size_t{23});
    }

    void whenNothingIsDueItOffersAnEarlyReview() {
        DrillWindow* d = open(progressFile());
        CHECK(d);
        choose(DrillSet::SingleLetter, DrillMode::Compose);
        // Every one of the 25 signals answered right: none due, none new.
        for (int session = 0; session < 3 && d->stage() != Stage::NothingToAsk; ++session) {
            while (d->stage() == Stage::Asking) {
                answerRightly();
                press(Qt::Key_Return);
            }
            if (d->stage() == Stage::Summary) press(Qt::Key_Return);  // «Новое занятие» has the focus
        }
        CHECK_EQ(d->stage(), Stage::NothingToAsk);
        CHECK_EQ(answersIn(progressFile()).size(), std::size_t{25});
        CHECK(d->summaryPage()->score()->text().contains(QStringLiteral("нет сигналов, которым пришёл срок")));
        CHECK(d->summaryPage()->score()->text().contains(QStringLiteral("Ближайший срок — ")));
        CHECK(!d->summaryPage()->newSessionButton()->isVisible());
        CHECK(d->summaryPage()->reviewEarlyButton()->hasFocus());
        press(Qt::Key_Return);
        CHECK_EQ(d->stage(), Stage::Asking);
        CHECK(d->flow().reviewingEarly());
        d->findChild<QPushButton*>(QStringLiteral("DrillFinish"))->click();
        CHECK(d->summaryPage()->heading()->text().endsWith(QStringLiteral("(досрочное повторение)")));
    }

    void stoppingEarlySummarisesTheAnswersGiven() {
        DrillWindow* d = open(progressFile());
        CHECK(d);
        std::vector<std::string> asked;
        for (bool right : {false, true, false}) {
            asked.push_back(d->flow().question().signal->code);
            right ? answerRightly() : answerWith(wrongKeys());
            press(Qt::Key_Return);
        }
        QTest::mouseClick(d->choiceBar()->finishButton(), Qt::LeftButton);
        CHECK_EQ(d->stage(), Stage::Summary);
        CHECK_EQ(d->summaryPage()->score()->text(), QStringLiteral("Верно 1 из 3 (33 %)."));
        CHECK_EQ(d->summaryPage()->mistakes()->count(), 2);
        CHECK_EQ(d->scoreLine()->text(), QStringLiteral("Верно: 1 из 3 · Подряд: 0"));
        QTest::mouseClick(d->summaryPage()->repeatButton(), Qt::LeftButton);
        CHECK_EQ(d->flow().question().signal->code, asked[0]);
        answerRightly();
        press(Qt::Key_Return);
        CHECK_EQ(d->flow().question().signal->code, asked[2]);
        answerWith(wrongKeys());
        press(Qt::Key_Return);
        CHECK_EQ(d->stage(), Stage::Summary);
        CHECK_EQ(d->summaryPage()->mistakes()->count(), 1);
        // «Новое занятие» starts afresh.
        QTest::mouseClick(d->summaryPage()->newSessionButton(), Qt::LeftButton);
        CHECK_EQ(d->stage(), Stage::Asking);
        CHECK_EQ(d->flow().tally().asked, 0);
    }

    void theProgressViewShowsTheFileAndResetAsksFirst() {
        DrillWindow* d = open(progressFile());
        CHECK(d);
        for (bool right : {true, true, false}) {
            right ? answerRightly() : answerWith(wrongKeys());
            press(Qt::Key_Return);
        }
        QTest::mouseClick(d->choiceBar()->progressButton(), Qt::LeftButton);
        CHECK_EQ(d->stage(), Stage::Progress);
        auto* chart = d->progressPage()->chart();
        CHECK_EQ(chart->sets().size(), std::size_t{5});
        CHECK_EQ(chart->sets()[0].title, QStringLiteral("Флаги и вымпелы"));
        CHECK_EQ(chart->sets()[0].counts, (mss::progress::ProgressCounts{37, 3, 0}));
        CHECK_EQ(chart->sets()[2].counts, (mss::progress::ProgressCounts{1403, 0, 0}));
        CHECK(chart->accessibleDescription().contains(QStringLiteral("Флаги и вымпелы: 37 новых, 3 изучаемых, 0 выученных")));
        // A session of three answers stays off the chart of sessions, which says so.
        auto* sessions = d->progressPage()->sessions();
        CHECK_EQ(sessions->count(), 0);
        CHECK_EQ(d->progressPage()->sessionsNote()->text(),
                 QStringLiteral("В графике занятия от 5 ответов, а таких ещё не было."));

        // «Нет»: nothing deleted.
        resetAsked.answer = false;
        QTest::mouseClick(d->progressPage()->resetButton(), Qt::LeftButton);
        CHECK_EQ(resetAsked.count, 1);
        CHECK_EQ(resetAsked.title, QStringLiteral("Тренировка"));
        CHECK(resetAsked.question.startsWith(QStringLiteral("Сбросить весь прогресс?")));
        CHECK_EQ(answersIn(progressFile()).size(), std::size_t{3});
        CHECK_EQ(chart->sets()[0].counts, (mss::progress::ProgressCounts{37, 3, 0}));

        // «Да»: every signal new again, and a new session.
        resetAsked.answer = true;
        QTest::mouseClick(d->progressPage()->resetButton(), Qt::LeftButton);
        CHECK_EQ(resetAsked.count, 2);
        CHECK_EQ(answersIn(progressFile()).size(), std::size_t{0});
        const int counts[] = {40, 25, 1403, 442, 29};
        for (std::size_t s = 0; s < 5; ++s) CHECK_EQ(chart->sets()[s].counts, (mss::progress::ProgressCounts{counts[s], 0, 0}));
        CHECK_EQ(sessions->count(), 0);
        CHECK_EQ(d->progressPage()->sessionsNote()->text(), QStringLiteral("Занятий ещё не было."));
        QTest::mouseClick(d->progressPage()->backButton(), Qt::LeftButton);
        CHECK_EQ(d->stage(), Stage::Asking);
        CHECK_EQ(d->flow().tally().asked, 0);
        CHECK_EQ(d->scoreLine()->text(), QStringLiteral("Вопрос 1 из 20 · Верно: 0 из 0 · Подряд: 0"));
    }

    void reopenedItStartsWhereTheLearnerLeftOff() {
        DrillWindow* d = open(progressFile());
        CHECK(d);
        choose(DrillSet::Medical, DrillMode::Meaning);
        answerRightly();
        press(Qt::Key_Return);
        answerWith(wrongKeys());
        // Chosen but never answered: not remembered.
        choose(DrillSet::Tables, DrillMode::Compose);
        QTest::mouseClick(d->choiceBar()->progressButton(), Qt::LeftButton);
        const auto countsBefore = d->progressPage()->chart()->sets();
        d->close();
        TRY_CHECK(!drill());

        d = pressF2() ? drill() : nullptr;
        CHECK(d);
        CHECK(d->choiceBar()->setButton(DrillSet::Medical)->isChosen());
        CHECK(d->choiceBar()->modeButton(DrillMode::Meaning)->isChosen());
        CHECK_EQ(d->stage(), Stage::Asking);
        // The progress view shows what it showed before, in the mode of the other view.
        choose(DrillSet::Tables, DrillMode::Compose);
        QTest::mouseClick(d->choiceBar()->progressButton(), Qt::LeftButton);
        const auto countsAfter = d->progressPage()->chart()->sets();
        CHECK_EQ(countsAfter.size(), countsBefore.size());
        for (std::size_t s = 0; s < countsAfter.size(); ++s) CHECK_EQ(countsAfter[s].counts, countsBefore[s].counts);
        choose(DrillSet::Medical, DrillMode::Meaning);
        QTest::mouseClick(d->choiceBar()->progressButton(), Qt::LeftButton);
        CHECK_EQ(d->progressPage()->chart()->sets()[3].counts, (mss::progress::ProgressCounts{440, 2, 0}));
    }

    void reconstructedTextsCarryTheirMark() {
        DrillWindow* d = open(progressFile());
        CHECK(d);
        // Of the general signals on X, the swell table was written from memory.
        choose(DrillSet::General, DrillMode::Compose);
        const int x = d->choiceBar()->letterPicker()->findData(static_cast<int>('X'));
        d->choiceBar()->letterPicker()->setCurrentIndex(x);
        Q_EMIT d->choiceBar()->letterPicker()->activated(x);
        std::set<bool> seen;
        for (int i = 0; i < 20 && d->stage() == Stage::Asking; ++i) {
            const bool reconstructed = d->flow().question().signal->reconstructed;
            seen.insert(reconstructed);
            CHECK_EQ(d->questionPage()->questionMark()->isVisible(), reconstructed);
            CHECK_EQ(d->questionPage()->questionMark()->toolTip(), kReconstructedNote);
            answerRightly();
            CHECK_EQ(d->questionPage()->resultMark()->isVisible(), reconstructed);
            CHECK_EQ(d->questionPage()->resultMark()->toolTip(), kReconstructedNote);
            press(Qt::Key_Return);
        }
        CHECK_EQ(seen.size(), std::size_t{2});

        // Among meanings to choose from, each carries its own mark.
        choose(DrillSet::Medical, DrillMode::Meaning);
        const auto& q = d->flow().question();
        for (int place = 0; place < 4; ++place) {
            const bool reconstructed = q.choices[static_cast<std::size_t>(place)]->reconstructed;
            CHECK_EQ(d->questionPage()->choices()->mark(place)->isVisible(), reconstructed);
            CHECK_EQ(d->questionPage()->choices()->button(place)->accessibleDescription(),
                     reconstructed ? kReconstructedNote : QString());
        }
        // The flags have no texts to reconstruct.
        choose(DrillSet::Flags, DrillMode::Compose);
        CHECK(!d->questionPage()->questionMark()->isVisible());
    }

    void aStoreThatIsNotSavingSaysSoAndTheDrillGoesOn() {
        QFile notes(folder->filePath(QStringLiteral("notes.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("мои заметки");
        notes.close();
        DrillWindow* d = open(folder->filePath(QStringLiteral("notes.txt/progress.sqlite3")));
        CHECK(d);
        CHECK(!d->notice()->isVisible());
        for (int i = 0; i < 3; ++i) {
            answerRightly();
            CHECK_EQ(d->stage(), Stage::Answered);
            CHECK(d->notice()->isVisible());
            CHECK(d->notice()->text().startsWith(QStringLiteral("Прогресс не сохраняется: ")));
            CHECK_EQ(d->notice()->text().count(QStringLiteral("Прогресс не сохраняется")), 1);
            press(Qt::Key_Return);
            CHECK_EQ(d->stage(), Stage::Asking);
        }
        CHECK_EQ(d->flow().tally().asked, 3);
        QFile kept(folder->filePath(QStringLiteral("notes.txt")));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        CHECK_EQ(QString::fromUtf8(kept.readAll()), QStringLiteral("мои заметки"));
    }

    void aDamagedFileIsSetAsideAndSaidOnce() {
        const QByteArray damaged = "это не файл прогресса, а просто текст " + QByteArray(200, 'x');
        {
            QFile file(progressFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(damaged);
        }
        DrillWindow* d = open(progressFile());
        CHECK(d);
        CHECK(d->notice()->isVisible());
        CHECK(d->notice()->text().contains(QStringLiteral("повреждён")));
        for (int i = 0; i < 2; ++i) {
            answerRightly();
            press(Qt::Key_Return);
        }
        CHECK_EQ(d->notice()->text().count(QStringLiteral("повреждён")), 1);
        CHECK_EQ(answersIn(progressFile()).size(), std::size_t{2});
        // The damaged file is kept as it was.
        const QStringList kept = QDir(folder->path()).entryList({QStringLiteral("progress.sqlite3.damaged-*")});
        CHECK_EQ(kept.size(), 1);
        QFile keptFile(folder->filePath(kept.front()));
        QVERIFY(keptFile.open(QIODevice::ReadOnly));
        CHECK(keptFile.readAll() == damaged);
    }

    void aRefusalWithNothingUpReadsAsSuch() {
        DrillWindow* d = open(progressFile());
        CHECK(d);
        choose(DrillSet::General, DrillMode::Compose);
        CHECK_EQ(d->questionPage()->typed()->text(), QStringLiteral("Набрано: —"));
        QTest::keyClick(typingTarget(), Qt::Key_1, Qt::ShiftModifier);  // a substitute with nothing to repeat
        CHECK(d->flow().typed().empty());
        CHECK_EQ(d->questionPage()->typed()->text(),
                 QStringLiteral("Набрано: ничего. ") + QString::fromStdString(mss::codebook::refusalText(
                                                           *d->flow().typed().refusal())));
    }

    // The flags set's answers name each flag once, its Morse in signs no
    // comma or full stop can be taken for.
    void theFlagsAreNamedOnceWithTheirMorse() {
        const struct {
            const char* code;
            const char* said;
        } cases[] = {
            {"E", "E — Эко (·)"},
            {"T", "T — Тангоу (−)"},
            {"7", "7 — Сэтэсэвн (−−···)"},
            {"1-й заменяющий", "1-й заменяющий вымпел"},
            {"ответный вымпел", "ответный вымпел (·−·−·−)"},
        };
        for (const auto& c : cases) {
            const auto* signal = mss::asking::findSignal(signalsOf(DrillSet::Flags), c.code);
            QVERIFY2(signal, c.code);
            QCOMPARE(mss::forms::drill_texts::signalWithMeaning(DrillSet::Flags, *signal), QString::fromUtf8(c.said));
        }
    }

    void escapeClosesTheDrillAndTheExamButFirstAnOpenList() {
        // The drill, a question on view.
        QVERIFY(open(progressFile()));
        press(Qt::Key_Escape);
        TRY_CHECK(drill() == nullptr);
        // An open list of letters takes Escape for itself; the window stays.
        QVERIFY(pressF2());
        choose(DrillSet::General, DrillMode::RecogniseFlag);
        QComboBox* letters = drill()->choiceBar()->letterPicker();
        CHECK(letters->isVisible());
        letters->showPopup();
        QWidget* popup = letters->view()->window();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        QTest::keyClick(letters->view(), Qt::Key_Escape);
        TRY_CHECK(!popup->isVisible());
        CHECK(drill() != nullptr && drill()->isVisible());
        // The exam in the drill's place, a ticket under way: Escape closes it
        // too, once the cadet agrees to leave the ticket.
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QTest::keyClick(w.window.get(), Qt::Key_F3);
        CHECK(drill() && drill()->exam() && drill()->exam()->isVisible());
        QTest::mouseClick(drill()->exam()->startButton(), Qt::LeftButton);
        CHECK(drill()->exam()->running());
        CHECK_EQ(resetAsked.count, 0);
        resetAsked.answer = true;
        press(Qt::Key_Escape);
        CHECK_EQ(resetAsked.count, 1);
        TRY_CHECK(drill() == nullptr);
    }

    void aWholeTicketIsAnsweredByKeyboardAlone() {
        mss::forms::offerDrill(*w.window, shippedBook(), options(progressFile()));
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QTest::keyClick(w.window.get(), Qt::Key_F3);
        DrillWindow* d = drill();
        CHECK(d);
        QVERIFY(QTest::qWaitForWindowExposed(d));
        CHECK_EQ(d->windowTitle(), QStringLiteral("Зачёт"));
        mss::forms::ExamPanel* exam = d->exam();
        CHECK(exam && exam->isVisible());
        CHECK(!d->choiceBar()->setButton(DrillSet::Flags)->isVisible());  // the drill's sets give way to the exam
        exam->ticketNumber()->setValue(7);
        CHECK(exam->startButton()->hasFocus());
        press(Qt::Key_Return);
        const auto* flow = exam->flow();
        CHECK(flow && exam->running());
        // The ticket's number heads every question.
        CHECK(exam->progressLine()->text().startsWith(QStringLiteral("Билет № 7 · Вопрос 1 из 20 · ")));
        // Every question answered rightly but the third, which is left wrong.
        for (std::size_t i = 0; i < flow->questionCount(); ++i) {
            CHECK_EQ(flow->current(), i);
            const auto& q = flow->question();
            if (mss::exam::modeOf(q.kind) == DrillMode::Meaning) {
                const std::size_t place = i == 2 ? (q.rightChoice + 1) % q.choices.size() : q.rightChoice;
                type(QString::number(place + 1));
                // The answer chosen is framed and named so; the others are not.
                for (int b = 0; b < exam->questionPage()->choices()->count(); ++b) {
                    auto* button = static_cast<mss::forms::FaceButton*>(exam->questionPage()->choices()->button(b));
                    const bool chosen = static_cast<std::size_t>(b) == place;
                    CHECK_EQ(button->framesChoice() && button->isChosen(), chosen);
                    CHECK_EQ(button->accessibleDescription() == QStringLiteral("Выбранный ответ"), chosen);
                }
            } else if (q.kind == mss::exam::TaskKind::ReadHoistType) {
                type(QString::fromStdString(i == 2 ? std::string("Z") : q.hoist.flags));
            } else {
                raiseByKeys(std::vector<int>(q.hoist.flown.begin() + (q.hoist.medicalM ? 1 : 0), q.hoist.flown.end()));
                if (i == 2) press(Qt::Key_Backspace);
            }
            press(Qt::Key_PageDown);
        }
        // Back a page and forth: the answers stay.
        press(Qt::Key_PageUp);
        CHECK_EQ(flow->current(), flow->questionCount() - 2);
        CHECK(flow->answered(flow->current()));
        // Ctrl+Enter hands the ticket in from the question, as «Сдать»'s tooltip says.
        CHECK(exam->handInButton()->toolTip().contains(QStringLiteral("Ctrl+Enter")));
        CHECK(!exam->handInButton()->hasFocus());
        QTest::keyClick(typingTarget(), Qt::Key_Return, Qt::ControlModifier);
        CHECK(!exam->running());
        CHECK_EQ(flow->result().mistakes, 1);
        CHECK_EQ(exam->grade()->text(), flow->result().passed ? QStringLiteral("Зачёт") : QStringLiteral("Незачёт"));
        CHECK(exam->grade()->accessibleName().startsWith(QStringLiteral("Итог: ")));
        CHECK_EQ(exam->results()->rowCount(), 20);
        CHECK(exam->resultTicket()->text().startsWith(QStringLiteral("Билет № 7. ")));
        CHECK(exam->grade()->accessibleName().contains(QStringLiteral("Билет № 7. ")));
        // At the window's opening size every column is in view, nothing to scroll sideways to:
        // what was asked (a meaning to compose among it), what was answered, what was right.
        QTableWidget* results = exam->results();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        CHECK(results->horizontalHeader()->length() <= results->viewport()->width());
        CHECK_EQ(results->horizontalScrollBar()->maximum(), 0);
        for (int row = 0; row < results->rowCount(); ++row) {
            const auto& q = flow->ticket().questions[static_cast<std::size_t>(row)];
            const QString asked = results->item(row, 1)->text();
            CHECK(asked.at(0).isUpper());
            if (q.kind == mss::exam::TaskKind::ComposeHoist)
                CHECK(asked.contains(QStringLiteral("«")));
            CHECK(results->item(row, 3)->text().startsWith(row == 2 ? QStringLiteral("✗ ") : QStringLiteral("✓ ")));
            CHECK(!results->item(row, 4)->text().isEmpty());
        }
        // Every row already as high as its wrapped cells need at the widths they have.
        std::vector<int> heights;
        for (int row = 0; row < results->rowCount(); ++row) heights.push_back(results->rowHeight(row));
        results->resizeRowsToContents();
        for (int row = 0; row < results->rowCount(); ++row)
            CHECK_EQ(results->rowHeight(row), heights[static_cast<std::size_t>(row)]);
        // The ticket is in the progress file, handed in.
        const auto past = d->store().pastTickets();
        CHECK_EQ(past.size(), std::size_t{1});
        CHECK_EQ(past.front().number, 7);
        CHECK(past.front().end.has_value());
        CHECK_EQ(past.front().end->mistakes, 1);
        // The mistake is drilled on its own, in the drill's place.
        QTest::mouseClick(exam->repeatMistakesButton(), Qt::LeftButton);
        CHECK_EQ(d->windowTitle(), QStringLiteral("Тренировка"));
        CHECK_EQ(d->flow().questionCount(), 1);
        // It says what it is, and no set or mode of the drill shows as chosen.
        CHECK(d->scoreLine()->text().startsWith(QStringLiteral("Ошибки билета № 7 · Вопрос 1 из 1")));
        for (DrillSet set : mss::asking::kAllSets) CHECK(!d->choiceBar()->setButton(set)->isChosen());
        for (DrillMode mode : mss::asking::kAllModes) CHECK(!d->choiceBar()->modeButton(mode)->isChosen());
        // Choosing a set ends it.
        choose(DrillSet::Flags, DrillMode::RecogniseFlag);
        CHECK(d->scoreLine()->text().startsWith(QStringLiteral("Вопрос 1 из ")));
        CHECK(d->choiceBar()->setButton(DrillSet::Flags)->isChosen());
    }

    void aTicketInHandIsLeftOnlyWhenTheCadetSaysSoAndIsTakenUpAgain() {
        mss::forms::offerDrill(*w.window, shippedBook(), options(progressFile()));
        CHECK(pressF2());
        drill()->openExam();
        mss::forms::ExamPanel* exam = drill()->exam();
        exam->ticketNumber()->setValue(5);
        QTest::mouseClick(exam->startButton(), Qt::LeftButton);
        CHECK(exam->running());
        // Three questions answered rightly.
        for (int i = 0; i < 3; ++i) {
            const auto& q = exam->flow()->question();
            if (mss::exam::modeOf(q.kind) == DrillMode::Meaning)
                type(QString::number(q.rightChoice + 1));
            else if (q.kind == mss::exam::TaskKind::ReadHoistType)
                type(QString::fromStdString(q.hoist.flags));
            else
                raiseByKeys(std::vector<int>(q.hoist.flown.begin() + (q.hoist.medicalM ? 1 : 0), q.hoist.flown.end()));
            press(Qt::Key_PageDown);
        }
        // An answer as a choice of four or as the code of the flags put up.
        auto givenTo = [](const mss::exam::ExamFlow& flow, std::size_t place) {
            const auto& a = flow.answerTo(place);
            return a.chosen ? "choice " + std::to_string(*a.chosen) : a.typed.code();
        };
        std::vector<std::string> given;
        for (std::size_t i = 0; i < 3; ++i) given.push_back(givenTo(*exam->flow(), i));
        CHECK(given[0] != "" && given[1] != "" && given[2] != "");

        // «Нет»: the window stays, the ticket goes on.
        resetAsked.answer = false;
        CHECK(!drill()->close());
        CHECK_EQ(resetAsked.count, 1);
        CHECK_EQ(resetAsked.title, QStringLiteral("Зачёт"));
        CHECK(resetAsked.question.startsWith(QStringLiteral("Билет № 5 не сдан. Прервать его?")));
        CHECK(drill() && exam->running());
        // «Да»: the window closes and the ticket waits in the history.
        resetAsked.answer = true;
        CHECK(drill()->close());
        TRY_CHECK(!drill());

        CHECK(pressF2());
        drill()->openExam();
        exam = drill()->exam();
        QTest::mouseClick(exam->findChild<QPushButton*>(QStringLiteral("ExamHistory")), Qt::LeftButton);
        CHECK(exam->history()->hasFocus());
        CHECK_EQ(exam->history()->rowCount(), 1);
        CHECK(exam->history()->item(0, 3)->text().contains(QStringLiteral("можно продолжить")));
        CHECK(exam->resumeButton()->isEnabled());
        press(Qt::Key_Return);
        CHECK(exam->running());
        CHECK_EQ(exam->flow()->ticket().number, 5);
        CHECK_EQ(exam->flow()->answeredCount(), std::size_t{3});
        for (std::size_t i = 0; i < 3; ++i) CHECK_EQ(givenTo(*exam->flow(), i), given[i]);
        CHECK_EQ(drill()->store().pastTickets().size(), std::size_t{1});
    }

    void aTicketSavedAsPdfHoldsItsQuestionsAndKey() {
        DrillWindowOptions o = options(progressFile());
        const QString pdf = folder->filePath(QStringLiteral("билет.pdf"));
        auto answer = std::make_shared<QString>();
        auto asked = std::make_shared<QStringList>();
        o.chooseFile = [answer, asked](QWidget*, const QString&, const QString& suggested, const QStringList& kinds,
                                       int) {
            *asked = QStringList{QFileInfo(suggested).fileName()} + kinds;
            return mss::forms::ChosenFile{*answer, 0};
        };
        mss::forms::offerDrill(*w.window, shippedBook(), o);
        CHECK(pressF2());
        drill()->openExam();
        // The name as chosen, its extension added when it has none, as the
        // search window saves its PDFs.
        struct Case { const char* chosen; const char* written; };
        const Case cases[] = {{"билет.pdf", "билет.pdf"}, {"без расширения", "без расширения.pdf"},
                              {"БИЛЕТ-2.PDF", "БИЛЕТ-2.PDF"}};
        for (const Case& c : cases) {
            *answer = folder->filePath(QString::fromUtf8(c.chosen));
            QTest::mouseClick(drill()->exam()->saveTicketButton(), Qt::LeftButton);
            const QString written = folder->filePath(QString::fromUtf8(c.written));
            QVERIFY2(QFileInfo(written).isFile(), c.chosen);
            const QString note = QStringLiteral("Сохранено: ") + QDir::toNativeSeparators(written);
            QCOMPARE(drill()->exam()->printNote()->text(), note);
            QCOMPARE(drill()->exam()->printNote()->toolTip(), note);
            QCOMPARE(drill()->exam()->printNote()->accessibleName(), note);
            QCOMPARE(*asked, (QStringList{QStringLiteral("билет-1.pdf"), QStringLiteral("Документ PDF (*.pdf)")}));
        }
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        CHECK(text.waitForFinished(30000));
        const QString read = QString::fromUtf8(text.readAllStandardOutput());
        CHECK(read.contains(QStringLiteral("Билет № 1")));
        CHECK(read.contains(QStringLiteral("Ответы к билету № 1")));
    }

    void theMainWindowIsUntouchedByAWholeDrill() {
        // No tick of the slide-show during the test: its state stays the one compared.
        std::vector<mss::engine::SlideTimer> running;
        for (auto t : mss::engine::kSlideTimers)
            if (w.slideTimer(t)->isActive()) {
                running.push_back(t);
                w.slideTimer(t)->start(3'600'000);
            }
        const std::string before = mss::scenario::describe(w.window->engine());
        std::vector<int> listsBefore;
        for (const auto& info : mss::codebook::kCodeLists) listsBefore.push_back(w.list(info.list)->currentIndex());

        DrillWindow* d = open(progressFile());
        CHECK(d);
        for (DrillMode mode : mss::asking::kAllModes) {
            choose(DrillSet::General, mode);
            for (int i = 0; i < 20 && d->stage() == Stage::Asking; ++i) {
                i % 3 ? answerRightly() : answerWith(wrongKeys());
                press(Qt::Key_Return);
            }
            CHECK_EQ(d->stage(), Stage::Summary);
            QTest::mouseClick(d->summaryPage()->repeatButton(), Qt::LeftButton);
            while (d->stage() == Stage::Asking) {
                answerRightly();
                press(Qt::Key_Return);
            }
        }
        QTest::mouseClick(d->choiceBar()->progressButton(), Qt::LeftButton);
        QTest::mouseClick(d->progressPage()->backButton(), Qt::LeftButton);
        d->close();
        TRY_CHECK(!drill());

        CHECK_EQ(mss::scenario::describe(w.window->engine()), before);
        for (std::size_t i = 0; i < mss::codebook::kCodeLists.size(); ++i)
            CHECK_EQ(w.list(mss::codebook::kCodeLists[i].list)->currentIndex(), listsBefore[i]);
        CHECK(!running.empty());
        for (auto t : running) CHECK(w.slideTimer(t)->isActive());
        CHECK(w.window->isVisible());
    }

    void everyControlIsReachedWithTabAndNamedInRussian() {
        DrillWindow* d = open(progressFile());
        CHECK(d);
        const auto reachedByTab = [this, d] {
            std::set<QWidget*> reached;
            d->choiceBar()->setButton(DrillSet::Flags)->setFocus();
            for (int i = 0; i < 200; ++i) {
                QWidget* now = QApplication::focusWidget();
                if (!now || !reached.insert(now).second) break;
                QTest::keyClick(now, Qt::Key_Tab);
            }
            return reached;
        };
        const auto hasCyrillic = [](const QString& s) {
            return std::any_of(s.begin(), s.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
        };
        for (DrillMode mode : mss::asking::kAllModes) {
            choose(DrillSet::General, mode);
            std::set<QWidget*> reached = reachedByTab();
            std::vector<QWidget*> controls;
            for (QWidget* child : d->findChildren<QWidget*>())
                if (child->isVisibleTo(d) && child->isEnabled() &&
                    (qobject_cast<QAbstractButton*>(child) || qobject_cast<QComboBox*>(child)))
                    controls.push_back(child);
            controls.push_back(d->questionPage()->question());
            CHECK(controls.size() >= (mode == DrillMode::Meaning ? 14u : 46u));
            for (QWidget* control : controls) {
                QVERIFY2(reached.contains(control), qPrintable(where() + QStringLiteral(": Tab never reaches ") +
                                                               control->objectName()));
                QVERIFY2(hasCyrillic(control->accessibleName()),
                         qPrintable(where() + QStringLiteral(": ") + control->objectName() +
                                    QStringLiteral(" is named ") + shown(control->accessibleName())));
            }
            // Answered, the result and the way on are reached too.
            d->questionPage()->question()->setFocus();
            answerRightly();
            reached = reachedByTab();
            CHECK(reached.contains(d->questionPage()->result()));
            CHECK(reached.contains(d->questionPage()->nextButton()));
            CHECK(hasCyrillic(d->questionPage()->result()->accessibleName()));
        }
    }

    void theChartsSharesStandApartAndTheHeadingKeepsItsShareWhole() {
        std::vector<PastSession> sessions;
        for (int i = 0; i < 10; ++i)
            sessions.push_back({{DrillSet::Flags, DrillMode::RecogniseFlag, 0}, kSundayEvening + std::chrono::hours(i),
                                "vvvvvvvvvv"});
        writeProgress(progressFile(), sessions);
        DrillWindow* d = open(progressFile(), kSaturday);
        CHECK(d);
        QTest::mouseClick(d->choiceBar()->progressButton(), Qt::LeftButton);
        const auto* page = d->progressPage();
        auto* chart = page->sessions();
        CHECK_EQ(chart->count(), 10);
        // «100 %» over every bar, with room to spare beside its neighbours'.
        const int shareWidth = QFontMetrics(mss::look::dialogFont()).horizontalAdvance(QStringLiteral("100\u00A0%"));
        for (int i = 0; i < chart->count(); ++i)
            CHECK(chart->visualItemRect(chart->item(i)).width() >= shareWidth + 6);
        CHECK(chart->rect().contains(chart->visualItemRect(chart->item(9))));
        // The heading, laid out as its label lays it out, never breaks «(100 %)».
        const QLabel* heading = page->sessionsHeading();
        CHECK(heading->text().endsWith(QStringLiteral("(100\u00A0%)")));
        QTextLayout layout(heading->text(), heading->font());
        QTextOption wrapping;
        wrapping.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(wrapping);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(heading->contentsRect().width());
            const QString text = heading->text().mid(line.textStart(), line.textLength());
            CHECK_EQ(text.count(u'('), text.count(u')'));
        }
        layout.endLayout();
        if (const QString shots = qEnvironmentVariable("MSS65_SCREENSHOTS"); !shots.isEmpty())
            d->grab().save(QDir(shots).filePath(QStringLiteral("drill-progress-full-marks.png")));
    }

    void theChartLabelsEachSessionAndLeavesOutShortOnes() {
        const LocalZone moscow("MSK-3");
        writeProgress(progressFile(),
                      {{{DrillSet::General, DrillMode::Compose, 'C'}, kSundayEvening, "vvxvv"},
                       {{DrillSet::SingleLetter, DrillMode::Meaning, 0}, kSundayEvening + std::chrono::hours(1), "vvv"},
                       {{DrillSet::Flags, DrillMode::RecogniseFlag, 0}, kSundayEvening + std::chrono::hours(2), "v"},
                       {{DrillSet::Medical, DrillMode::Meaning, 0}, kTuesdayMorning, "xvxvxv"}});
        DrillWindow* d = open(progressFile(), kSaturday);
        CHECK(d);
        QTest::mouseClick(d->choiceBar()->progressButton(), Qt::LeftButton);
        const auto* page = d->progressPage();
        auto* chart = page->sessions();
        CHECK(chart->isVisible());
        // The sessions of three answers and of one are left out, and the line under the chart says so.
        CHECK_EQ(chart->count(), 2);
        CHECK_EQ(page->sessionsNote()->text(), QStringLiteral("Не показаны 2 коротких занятия (меньше 5 ответов)."));
        CHECK_EQ(page->sessionsHeading()->text(), QStringLiteral("Последние занятия: верно 7 из 11 (64\u00A0%)"));
        // Each bar: the local day under it; date, set, mode and letter on hover and to a screen reader.
        const struct {
            QString day, toolTip, spoken;
        } bars[] = {
            {QStringLiteral("15.03"),
             QStringLiteral("15 марта 2027, 01:30\nОбщий раздел, на букву C, «Набери сигнал»\nВерно 4 из 5 (80\u00A0%)"),
             QStringLiteral("Занятие 15 марта 2027, 01:30. Общий раздел, на букву C, «Набери сигнал». Верно 4 из 5 (80\u00A0%).")},
            {QStringLiteral("16.03"),
             QStringLiteral("16 марта 2027, 12:05\nМедицинский раздел, «Значение сигнала»\nВерно 3 из 6 (50\u00A0%)"),
             QStringLiteral("Занятие 16 марта 2027, 12:05. Медицинский раздел, «Значение сигнала». Верно 3 из 6 (50\u00A0%).")},
        };
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(chart);
        CHECK(spoken);
        CHECK_EQ(spoken->childCount(), 2);
        for (int i = 0; i < 2; ++i) {
            CHECK_EQ(chart->item(i)->text(), bars[i].day);
            CHECK_EQ(chart->item(i)->toolTip(), bars[i].toolTip);
            CHECK_EQ(spoken->child(i)->text(QAccessible::Name), bars[i].spoken);
        }
        CHECK_EQ(chart->accessibleName(), QStringLiteral("Последние занятия"));
        CHECK_EQ(chart->accessibleDescription(),
                 QStringLiteral("Последние занятия: верно 7 из 11 (64\u00A0%). Не показаны 2 коротких занятия (меньше 5 ответов)."));

        // Tab comes to the chart from the counts above it; the arrows go from bar to bar, the newest first.
        page->chart()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(page->chart(), Qt::Key_Tab);
        CHECK_EQ(static_cast<QWidget*>(QApplication::focusWidget()), static_cast<QWidget*>(chart));
        CHECK_EQ(chart->currentRow(), 1);
        TRY_CHECK(QToolTip::text() == bars[1].toolTip);
        QTest::keyClick(chart, Qt::Key_Left);
        CHECK_EQ(chart->currentRow(), 0);
        // Its tooltip shows as the mouse would show it, for who reads without a mouse.
        TRY_CHECK(QToolTip::text() == bars[0].toolTip);
        QTest::keyClick(chart, Qt::Key_Tab);
        TRY_CHECK(!QToolTip::isVisible());
    }

    void chartedSessionsCountWhatTheChartLeavesOut_data() {
        QTest::addColumn<QList<int>>("answers");  // of each session, oldest first
        QTest::addColumn<int>("bars");
        QTest::addColumn<int>("leftOut");
        QTest::addColumn<QString>("note");
        const auto sessions = [](std::initializer_list<std::pair<int, int>> runs) {
            QList<int> list;  // runs of (sessions, answers each)
            for (const auto& [count, answers] : runs) list.append(QList<int>(count, answers));
            return list;
        };
        QTest::newRow("none") << QList<int>{} << 0 << 0 << QStringLiteral("Занятий ещё не было.");
        QTest::newRow("only short ones") << QList<int>{1, 4} << 0 << 2
                                         << QStringLiteral("В графике занятия от 5 ответов, а таких ещё не было.");
        QTest::newRow("every one long enough") << QList<int>{5, 20, 6} << 3 << 0 << QString();
        // A short session before the oldest bar is no gap in the chart.
        QTest::newRow("one left out") << QList<int>{3, 5, 1, 6} << 2 << 1
                                      << QStringLiteral("Не показано 1 короткое занятие (меньше 5 ответов).");
        QTest::newRow("eleven") << sessions({{1, 5}, {11, 2}, {1, 5}}) << 2 << 11
                                << QStringLiteral("Не показано 11 коротких занятий (меньше 5 ответов).");
        QTest::newRow("twenty-one") << sessions({{1, 5}, {21, 4}}) << 1 << 21
                                    << QStringLiteral("Не показано 21 короткое занятие (меньше 5 ответов).");
        // Eleven long ones: the oldest, and the short one after it, are off the chart.
        QTest::newRow("twenty-four among ten bars")
            << sessions({{1, 6}, {1, 3}, {1, 5}, {12, 4}, {8, 7}, {12, 1}, {1, 9}}) << 10 << 24
            << QStringLiteral("Не показаны 24 коротких занятия (меньше 5 ответов).");
    }

    void chartedSessionsCountWhatTheChartLeavesOut() {
        QFETCH(QList<int>, answers);
        QFETCH(int, bars);
        QFETCH(int, leftOut);
        QFETCH(QString, note);
        std::vector<PastSession> past;
        for (int n : answers)
            past.push_back({{DrillSet::Flags, DrillMode::RecogniseFlag, 0},
                            kSundayEvening + std::chrono::hours(static_cast<int>(past.size())), std::string(n, 'v')});
        writeProgress(progressFile(), past);
        mss::progress::ProgressStore store(progressFile().toStdString(), [] { return kSaturday; });
        const mss::forms::ChartedSessions charted = mss::forms::chartedSessions(store);
        CHECK_EQ(static_cast<int>(charted.shown.size()), bars);
        CHECK_EQ(charted.leftOut, leftOut);
        for (const auto& s : charted.shown) CHECK(s.asked >= 5);
        CHECK_EQ(mss::forms::progress_texts::sessionsNote(bars, leftOut), note);
    }

    void theHardestSignalsAreListedAndDrilledByTheirButton() {
        using std::chrono::hours;
        const DrillChoice flags{DrillSet::Flags, DrillMode::RecogniseFlag, 0};
        // E missed twice; K, 7 and the 1st substitute once each, K last, then the
        // substitute; Q never. The same set in another mode missed A.
        writeProgress(progressFile(),
                      {{{DrillSet::General, DrillMode::Compose, 0}, kSundayEvening, "x", {"AE1"}},
                       {{DrillSet::Medical, DrillMode::Meaning, 0}, kSundayEvening + hours(1), "x", {"MAA"}},
                       {{DrillSet::Tables, DrillMode::Meaning, 0}, kSundayEvening + hours(2), "x", {"I-3"}},
                       {{DrillSet::Flags, DrillMode::Compose, 0}, kSundayEvening + hours(3), "x", {"A"}},
                       {flags, kTuesdayMorning, "xvxvx", {"E", "K", "7", "Q", "1-й заменяющий"}},
                       {flags, kTuesdayMorning + hours(1), "xxvv", {"E", "K", "7", "Q"}}});
        DrillWindow* d = open(progressFile(), kSaturday);
        CHECK(d);
        CHECK(d->flow().choice() == flags);
        QTest::mouseClick(d->choiceBar()->progressButton(), Qt::LeftButton);
        auto* page = d->progressPage();
        QTableWidget* list = page->hardest();
        const std::vector<std::string> expected{"E", "K", "1-й заменяющий", "7"};
        // In the store's order, hardest first.
        std::vector<std::string> stored;
        for (const auto& hard : d->store().hardestSignals(flags.set, flags.mode, 10)) stored.push_back(hard.code);
        CHECK_EQ(stored, expected);
        CHECK_EQ(page->hardestCodes(), expected);
        CHECK(list->isVisible());
        CHECK_EQ(list->rowCount(), 4);
        for (int row = 0; row < 4; ++row)
            CHECK_EQ(list->item(row, 0)->text(), QString::fromStdString(expected[static_cast<std::size_t>(row)]));
        QStringList headings, first;
        for (int column = 0; column < 4; ++column) {
            headings << list->horizontalHeaderItem(column)->text();
            first << list->item(0, column)->text();
        }
        CHECK_EQ(headings.join(QLatin1Char('|')), QStringLiteral("Флаг|Подъём|Название|Неверно"));
        CHECK_EQ(first.join(QLatin1Char('|')), QStringLiteral("E||Эко|2 из 2"));
        // The hoist is shown as its flags and heard by their names.
        CHECK(!list->item(0, 1)->icon().isNull());
        CHECK_EQ(list->item(0, 1)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("флаг E"));
        CHECK_EQ(list->item(2, 3)->text(), QStringLiteral("1 из 1"));
        CHECK_EQ(list->item(0, 0)->toolTip(), QStringLiteral("E — Эко (·) — неверно 2 из 2"));
        CHECK_EQ(page->hardestScope()->text(),
                 QStringLiteral("Флаги и вымпелы, «Узнай флаг» — ошибки среди последних 5 ответов на сигнал"));
        CHECK(page->trainButton()->isEnabled());

        // Every control of the page is reached with Tab and named in Russian; Tab leaves the list.
        const std::vector<QWidget*> round = tabRound(page->chart());
        const std::vector<QWidget*> inOrder{page->chart(), page->sessions(), list, page->trainButton(),
                                            page->resetButton(), page->backButton()};
        auto at = round.begin();
        for (QWidget* control : inOrder) {
            at = std::find(at, round.end(), control);
            QVERIFY2(at != round.end(), qPrintable(where() + QStringLiteral(": Tab does not reach ") +
                                                    control->objectName() + QStringLiteral(" in turn")));
            CHECK(!control->accessibleName().isEmpty() && control->accessibleName().at(0).script() == QChar::Script_Cyrillic);
        }

        // The other sets name their signals' flags and meanings.
        const struct {
            DrillSet set;
            DrillMode mode;
            QString cells, flags;
        } others[] = {
            {DrillSet::General, DrillMode::Compose, QStringLiteral("AE1||%1|1 из 1"), QStringLiteral("Алфа, Эко, Унауан")},
            {DrillSet::Medical, DrillMode::Meaning, QStringLiteral("MAA||%1|1 из 1"),
             QStringLiteral("Майк, Алфа, 2-й заменяющий")},
            {DrillSet::Tables, DrillMode::Meaning, QStringLiteral("I-3||%1|1 из 1"), QStringLiteral("Тэратри")},
        };
        for (const auto& other : others) {
            choose(other.set, other.mode);
            QTest::mouseClick(d->choiceBar()->progressButton(), Qt::LeftButton);
            CHECK_EQ(list->rowCount(), 1);
            QStringList cells;
            for (int column = 0; column < 4; ++column) cells << list->item(0, column)->text();
            const std::string code = list->item(0, 0)->text().toStdString();
            CHECK_EQ(cells.join(QLatin1Char('|')),
                     other.cells.arg(QString::fromStdString(mss::asking::findSignal(signalsOf(other.set), code)->text).trimmed()));
            CHECK_EQ(list->item(0, 1)->data(Qt::AccessibleTextRole).toString(), other.flags);
            CHECK_EQ(list->horizontalHeaderItem(2)->text(), QStringLiteral("Значение"));
        }

        // Nothing missed in this set and mode: one line, and the button is off.
        choose(DrillSet::SingleLetter, DrillMode::Compose);
        QTest::mouseClick(d->choiceBar()->progressButton(), Qt::LeftButton);
        CHECK(!list->isVisible());
        CHECK(page->noHardest()->isVisible());
        CHECK_EQ(page->noHardest()->text(), QStringLiteral("В последних ответах ошибок нет: трудных сигналов пока нет."));
        CHECK(!page->trainButton()->isEnabled());
        CHECK(page->hardestCodes().empty());

        // «Тренировать их», pressed with Enter, asks exactly the four, in the list's order.
        choose(flags.set, flags.mode);
        QTest::mouseClick(d->choiceBar()->progressButton(), Qt::LeftButton);
        page->trainButton()->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
        CHECK_EQ(d->stage(), Stage::Asking);
        CHECK_EQ(d->pages()->currentWidget(), static_cast<QWidget*>(d->questionPage()));
        CHECK_EQ(d->flow().questionCount(), 4);
        std::vector<std::string> asked;
        while (d->stage() == Stage::Asking) {
            asked.push_back(d->flow().question().signal->code);
            answerRightly();
            press(Qt::Key_Return);
        }
        CHECK_EQ(asked, expected);
        CHECK_EQ(d->stage(), Stage::Summary);
        CHECK_EQ(d->summaryPage()->score()->text(), QStringLiteral("Верно 4 из 4 (100 %)."));
    }
};

QTEST_MAIN(DrillWindowTest)
#include "drill_window_test.moc"
