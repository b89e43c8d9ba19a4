// Random but possible event sequences through the real widgets: after every
// event, what the window shows must be exactly the engine's state.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <random>

#include "codebook/codebook_parser.h"
#include "data/codebook_bytes.h"
#include "forms/application_setup.h"
#include "forms/face_button.h"
#include "forms/flag_picture_box.h"
#include "forms/keyboard_frame.h"
#include "forms/picture_catalogue.h"
#include "forms/sprawka3.h"
#include "forms/tolm.h"
#include "signals/keyboards.h"

using mss::codebook::ListId;
using mss::signals::EditField;
using mss::signals::Element;

namespace {

const mss::codebook::CodeBook& book() {
    static const auto loaded = mss::codebook::parseCodeBook(mss::data::codeBookBytes());
    return loaded.book;
}

unsigned seedOfThisRun() {
    if (qEnvironmentVariableIsSet("MSS65_SEED")) return qEnvironmentVariable("MSS65_SEED").toUInt();
    return std::random_device{}();
}

}  // namespace

class WindowRandomTest : public QObject {
    Q_OBJECT

    // Compares every widget with the engine; returns what differs.
    static QString difference(const mss::forms::tolm& w) {
        const auto& e = w.engine();
        const auto& pictures = mss::forms::PictureCatalogue::instance();
        for (int p = 0; p < 3; ++p) {
            const int flag = e.flagAt(static_cast<mss::signals::Position>(p));
            const QPixmap* want = flag == mss::signals::kNoFlag ? nullptr : &pictures.flag(flag);
            if (w.picture(p + 1)->picture() != want) return QStringLiteral("Picture%1").arg(p + 1);
        }
        for (int f = 1; f <= 4; ++f)
            if (w.frame(f)->isVisible() != e.IsShown(mss::signals::frameElement(f)))
                return QStringLiteral("Frame%1 visibility").arg(f);
        for (const auto& info : mss::codebook::kLists) {
            QComboBox* c = w.combo(info.id);
            const QString name = QString::fromLatin1(info.name.data(), info.name.size());
            if (c->isVisible() != e.IsShown(mss::signals::elementOfList(info.id))) return name + " visibility";
            if (c->currentIndex() != e.selection(info.id)) return name + " selection";
            const bool heading = e.editField(info.id) == EditField::Heading;
            if (e.selection(info.id) < 0 && c->placeholderText().isEmpty() == heading) return name + " heading";
            if (e.selection(info.id) >= 0 &&
                c->currentText() != QString::fromStdString(book().text(info.id, e.selection(info.id))))
                return name + " text";
        }
        if (w.picture(1)->isVisible() != e.IsShown(Element::Picture1)) return QStringLiteral("Picture1 visibility");
        if (w.picture(5)->isVisible() != e.IsShown(Element::Picture5)) return QStringLiteral("Picture5 visibility");
        if (w.label1()->isVisible() != e.IsShown(Element::Label1)) return QStringLiteral("Label1 visibility");
        for (int n = 1; n <= 6; ++n)
            if (w.option(n)->isChosen() != (e.selectedOption() == n)) return QStringLiteral("Option%1").arg(n);
        for (int t = 1; t <= 3; ++t)
            if (const_cast<mss::forms::tolm&>(w).timer(t)->isActive() !=
                e.TimerEnabled(static_cast<mss::signals::Timer>(t - 1)))
                return QStringLiteral("Timer%1").arg(t);
        return {};
    }

private Q_SLOTS:
    void initTestCase() { mss::forms::prepareApplication(); }

    void widgetsAlwaysShowTheEngineState() {
        const unsigned seed = seedOfThisRun();
        std::mt19937 random(seed);
        const int events = qEnvironmentVariableIntValue("MSS65_LONG_RUN") ? 20000 : 2000;
        bool answer = false;
        std::unique_ptr<mss::forms::tolm> window;
        auto open = [&] {
            window = std::make_unique<mss::forms::tolm>(
                book(), [&](QWidget*, const QString&, const QString&) { return answer; });
            window->Form_Load();
            window->show();
            return QTest::qWaitForWindowExposed(window.get());
        };
        QVERIFY(open());
        int closed = 0;

        for (int i = 0; i < events; ++i) {
            const auto pick = std::uniform_int_distribution<int>(0, 99)(random);
            QString event;
            if (pick < 8) {
                const int option = std::uniform_int_distribution<int>(1, 6)(random);
                event = QStringLiteral("Option%1").arg(option);
                QTest::mouseClick(window->option(option), Qt::LeftButton);
            } else if (pick < 14) {
                const int t = std::uniform_int_distribution<int>(1, 3)(random);
                event = QStringLiteral("Timer%1").arg(t);
                if (window->timer(t)->isActive()) window->Timer_Timer(t);
            } else if (pick < 16) {
                // The user reads a row of the list on view.
                for (const auto& info : mss::codebook::kLists) {
                    QComboBox* c = window->combo(info.id);
                    if (!c->isVisible()) continue;
                    const int row = std::uniform_int_distribution<int>(0, c->count() - 1)(random);
                    event = QStringLiteral("pick %1").arg(row);
                    c->setCurrentIndex(row);
                    Q_EMIT c->activated(row);
                    break;
                }
            } else {
                int frame = 1;
                while (!window->frame(frame)->isVisible()) ++frame;
                const auto keys = mss::signals::keysOfFrame(frame);
                const auto* key = keys[std::uniform_int_distribution<std::size_t>(0, keys.size() - 1)(random)];
                if (key->role == mss::signals::KeyRole::About) {
                    if (pick % 5 != 0) continue;  // now and then
                } else if (key->role == mss::signals::KeyRole::Exit) {
                    answer = pick % 10 == 0;
                }
                event = QStringLiteral("Command%1").arg(key->command);
                QTest::mouseClick(window->command(key->command), Qt::LeftButton);
                if (!window->isVisible()) {  // answered "Да": a new run of the program
                    QVERIFY2(answer, qPrintable(QStringLiteral("seed %1: the window closed on \"Нет\"").arg(seed)));
                    ++closed;
                    QVERIFY(open());
                    continue;
                }
                if (key->role == mss::signals::KeyRole::Exit)
                    QVERIFY2(!answer, qPrintable(QStringLiteral("seed %1: \"Да\" left the window open").arg(seed)));
            }
            const QString diff = difference(*window);
            QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("seed %1 (MSS65_SEED replays it), event %2 (%3): %4")
                                                    .arg(seed).arg(i).arg(event, diff)));
        }
        if (auto* about = mss::forms::sprawka3::current()) delete about;
        QVERIFY2(closed > 0, "no Exit key was answered \"Да\"");
    }
};

QTEST_MAIN(WindowRandomTest)
#include "window_random_test.moc"
