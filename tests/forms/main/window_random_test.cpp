// SPDX-License-Identifier: GPL-3.0-or-later
// Random but possible event sequences through the real widgets: after every
// event, what the window shows must be exactly the engine's state.
//
// The normal run walks from a few fixed seeds; MSS65_SEED=N replays one
// walk, and MSS65_LONG_RUN=1 walks longer from fresh seeds. Every failure
// names its seed.

#include <QApplication>
#include <QLabel>

#include <random>

#include "engine/window_names.h"
#include "forms/main/about_window.h"
#include "forms/shared/application_setup.h"
#include "forms/shared/picture_catalogue.h"
#include "forms/window_fixture.h"

using namespace mss::testing;
using mss::engine::EditField;
using mss::engine::Element;
using mss::engine::KeyRole;

namespace {

std::vector<unsigned> seedsOfThisRun() {
    if (qEnvironmentVariableIsSet("MSS65_SEED")) return {qEnvironmentVariable("MSS65_SEED").toUInt()};
    if (qEnvironmentVariableIntValue("MSS65_LONG_RUN")) {
        std::random_device fresh;
        return {fresh(), fresh(), fresh()};
    }
    return {1, 2, 3};
}

// Compares every widget with the engine; returns what differs.
QString difference(const WindowFixture& w) {
    const auto& e = w.window->engine();
    const auto& pictures = mss::forms::PictureCatalogue::instance();
    for (HoistPosition p : mss::engine::kHoistPositions) {
        const int flag = e.flagAt(p);
        const QPixmap* want = flag == mss::engine::kNoFlag ? nullptr : &pictures.flag(flag);
        if (w.position(p)->picture() != want) return QString::fromLatin1(mss::engine::nameOf(p).data());
    }
    for (Keyboard k : mss::engine::kKeyboards)
        if (w.frame(k)->isVisible() != e.isShown(mss::engine::elementOf(k)))
            return QString::fromLatin1(mss::engine::nameOf(k).data()) + " visibility";
    for (const auto& info : mss::codebook::kCodeLists) {
        QComboBox* c = w.list(info.list);
        const QString name = QString::fromLatin1(info.fileName.data(), info.fileName.size());
        if (c->isVisible() != e.isShown(mss::engine::elementOf(info.list))) return name + " visibility";
        if (c->currentIndex() != e.selection(info.list)) return name + " selection";
        const bool heading = e.editField(info.list) == EditField::Heading;
        if (e.selection(info.list) < 0 && c->placeholderText().isEmpty() == heading) return name + " heading";
        if (e.selection(info.list) >= 0 && c->currentText() != rowText(info.list, e.selection(info.list)))
            return name + " text";
    }
    if (w.position(HoistPosition::First)->isVisible() != e.isShown(Element::FirstFlagPosition))
        return QStringLiteral("Picture1 visibility");
    if (w.medicalM()->isVisible() != e.isShown(Element::MedicalFlagM)) return QStringLiteral("Picture5 visibility");
    if (w.window->tablesNote()->isVisible() != e.isShown(Element::TablesNote)) return QStringLiteral("Label1 visibility");
    for (const auto& s : mss::codebook::kSections)
        if (w.sectionButton(s.section)->isChosen() != (e.chosenSection() == s.section))
            return QStringLiteral("Option%1").arg(mss::engine::optionNumber(s.section));
    for (mss::engine::SlideTimer t : mss::engine::kSlideTimers)
        if (w.slideTimer(t)->isActive() != e.isRunning(t)) return QStringLiteral("Timer%1").arg(mss::engine::timerNumber(t));
    return {};
}

}  // namespace

class WindowRandomTest : public QObject {
    Q_OBJECT

    // One walk; `closed` counts the Exit keys answered "Да".
    void walk(unsigned seed, int events, int& closed) {
        const QString where = QStringLiteral("seed %1 (MSS65_SEED replays it)").arg(seed);
        std::mt19937 random(seed);
        WindowFixture w;
        QVERIFY2(w.open(), qPrintable(where + ": the window was never exposed"));
        int exitPresses = 0;

        for (int i = 0; i < events; ++i) {
            const auto pick = std::uniform_int_distribution<int>(0, 99)(random);
            QString event;
            if (pick < 8) {
                const auto section = mss::codebook::kSections[std::uniform_int_distribution<std::size_t>(0, 5)(random)].section;
                event = QStringLiteral("Option%1").arg(mss::engine::optionNumber(section));
                w.choose(section);
            } else if (pick < 14) {
                const auto t = mss::engine::kSlideTimers[std::uniform_int_distribution<std::size_t>(0, 2)(random)];
                event = QStringLiteral("Timer%1").arg(mss::engine::timerNumber(t));
                if (w.slideTimer(t)->isActive()) w.window->slideTimerTicked(t);
            } else if (pick < 16) {
                // The learner reads a row of the list on view.
                for (const auto& info : mss::codebook::kCodeLists) {
                    QComboBox* c = w.list(info.list);
                    if (!c->isVisible()) continue;
                    const int row = std::uniform_int_distribution<int>(0, c->count() - 1)(random);
                    event = QStringLiteral("pick %1").arg(row);
                    c->setCurrentIndex(row);
                    Q_EMIT c->activated(row);
                    break;
                }
            } else {
                const auto onView = w.keyboardOnView();
                QVERIFY2(onView, qPrintable(where + QStringLiteral(", event %1: no keyboard on view").arg(i)));
                const auto keys = mss::engine::keysOf(*onView);
                const auto& key = keys[std::uniform_int_distribution<std::size_t>(0, keys.size() - 1)(random)];
                bool yes = false;
                if (key.id.role == KeyRole::About) {
                    if (pick % 5 != 0) continue;  // now and then
                } else if (key.id.role == KeyRole::Exit) {
                    yes = ++exitPresses % 4 == 0;  // every fourth Exit key is answered "Да"
                }
                w.asked.answer = yes;
                event = QStringLiteral("Command%1").arg(mss::engine::commandNumber(key.id));
                QTest::mouseClick(w.window->keyboards().key(key.id), Qt::LeftButton);
                if (!w.window->isVisible()) {  // answered "Да": a new run of the program
                    QVERIFY2(yes, qPrintable(where + QStringLiteral(", event %1: the window closed on \"Нет\"").arg(i)));
                    ++closed;
                    QVERIFY2(w.open(), qPrintable(where + ": the window was never exposed"));
                    continue;
                }
                if (key.id.role == KeyRole::Exit)
                    QVERIFY2(!yes, qPrintable(where + QStringLiteral(", event %1: \"Да\" left the window open").arg(i)));
            }
            const QString diff = difference(w);
            QVERIFY2(diff.isEmpty(), qPrintable(where + QStringLiteral(", event %1 (%2): %3").arg(i).arg(event, diff)));
        }
        delete mss::forms::AboutWindow::current();
    }

private Q_SLOTS:
    void initTestCase() { mss::forms::prepareApplication(); }

    void widgetsAlwaysShowTheEngineState() {
        const int events = qEnvironmentVariableIntValue("MSS65_LONG_RUN") ? 20000 : 2000;
        int closed = 0;
        QString seeds;
        for (unsigned seed : seedsOfThisRun()) {
            walk(seed, events, closed);
            if (QTest::currentTestFailed()) return;
            seeds += QStringLiteral(" %1").arg(seed);
        }
        QVERIFY2(closed > 0, qPrintable(QStringLiteral("seeds%1: no Exit key was answered \"Да\"").arg(seeds)));
    }
};

QTEST_MAIN(WindowRandomTest)
#include "window_random_test.moc"
