// The main window and the About window, driven through their real widgets.

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "codebook/codebook_parser.h"
#include "data/codebook_bytes.h"
#include "forms/animated_label.h"
#include "forms/application_setup.h"
#include "forms/codebook_problem.h"
#include "forms/face_button.h"
#include "forms/flag_picture_box.h"
#include "forms/keyboard_frame.h"
#include "forms/physical_keys.h"
#include "forms/picture_catalogue.h"
#include "forms/sprawka3.h"
#include "forms/tolm.h"

using mss::codebook::ListId;
using mss::forms::FlagPictureBox;
using mss::forms::PictureCatalogue;
using mss::forms::sprawka3;
using mss::forms::tolm;

namespace {

const mss::codebook::CodeBook& book() {
    static const auto loaded = mss::codebook::parseCodeBook(mss::data::codeBookBytes());
    return loaded.book;
}

QString text(ListId list, int row) { return QString::fromStdString(book().text(list, row)); }

struct Asked {
    int count = 0;
    QString title, question;
    bool answer = false;
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<tolm> window;
    Asked asked;

    void press(int command) {
        QPushButton* key = window->command(command);
        QVERIFY2(key->isVisible(), qPrintable(key->objectName() + " is not on view"));
        QTest::mouseClick(key, Qt::LeftButton);
    }
    void choose(int option) { QTest::mouseClick(window->option(option), Qt::LeftButton); }
    void pressAll(std::initializer_list<int> commands) {
        for (int c : commands) press(c);
    }
    QComboBox* combo(ListId l) { return window->combo(l); }
    // Saves what the window looks like when MSS65_SCREENSHOTS names a folder.
    void snapshot(const QString& name) {
        const QString dir = qEnvironmentVariable("MSS65_SCREENSHOTS");
        if (!dir.isEmpty()) window->grab().save(QDir(dir).filePath(name + ".png"));
    }

private Q_SLOTS:
    void initTestCase() { mss::forms::prepareApplication(); }
    void init() {
        asked = {};
        window = std::make_unique<tolm>(book(), [this](QWidget*, const QString& title, const QString& question) {
            ++asked.count;
            asked.title = title;
            asked.question = question;
            return asked.answer;
        });
        window->Form_Load();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        if (sprawka3* about = sprawka3::current()) delete about;
    }

    void opensAsTheTableOfStartUpSays() {
        snapshot("start");
        QCOMPARE(window->clientArea()->size(), QSize(792, 526));
        QCOMPARE(window->frameGeometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->clientArea()->minimumSize(), window->clientArea()->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->frame(1)->isVisible());
        for (int f = 2; f <= 4; ++f) QVERIFY(!window->frame(f)->isVisible());
        for (const auto& info : mss::codebook::kLists) QVERIFY(!combo(info.id)->isVisible());
        QVERIFY(!window->picture(5)->isVisible());
        QVERIFY(window->picture(1)->isVisible());
        QVERIFY(!window->label1()->isVisible());
        for (int t = 1; t <= 3; ++t) QVERIFY(window->timer(t)->isActive());
        QCOMPARE(window->timer(1)->interval(), 5000);
        QCOMPARE(window->timer(2)->interval(), 3000);
        QCOMPARE(window->timer(3)->interval(), 2000);
        QCOMPARE(combo(ListId::Combo1)->placeholderText(), QStringLiteral("Значение однобуквенного сигнала"));
        QCOMPARE(combo(ListId::Combo1)->currentIndex(), -1);
        QCOMPARE(combo(ListId::Combo2_2)->count(), 414);
        for (int n = 1; n <= 6; ++n) QVERIFY(!window->option(n)->isChosen());
    }

    void placesControlsFromTheirTwips() {
        struct Case { QWidget* w; QRect r; };
        const Case cases[] = {
            {window->picture(2), {16, 80, 95, 64}},
            {window->picture(3), {16, 152, 95, 64}},
            {window->option(2), {348, 112, 105, 33}},
            {window->option(6), {476, 152, 105, 33}},
            {combo(ListId::Combo1), {16, 232, 761, 21}},
            {window->frame(1), {64, 272, 665, 241}},
            {window->frame(4), {64, 272, 665, 241}},
            {window->command(21), {120, 120, 33, 25}},   // A of Frame1
            {window->command(41), {240, 192, 81, 25}},   // About of Frame1
            {window->command(115), {232, 192, 81, 25}},  // About of Frame4, 120 twips further left
            {window->command(116), {352, 192, 81, 25}},
        };
        for (const Case& c : cases) QCOMPARE(c.w->geometry(), c.r);
        QCOMPARE(window->command(13)->toolTip(), QStringLiteral("Эко"));
        QCOMPARE(window->command(100)->text(), QStringLiteral("Ee"));
        QCOMPARE(window->picture(1)->toolTip(), QStringLiteral("Флаг однобуквенного сигнала или первый флаг "));
        QCOMPARE(window->frame(3)->caption(), QStringLiteral("Вторая буква  двухбуквенного или трехбуквенного сигнала"));
    }

    void composesGeneralSignalsThroughTheKeys() {
        choose(2);
        QVERIFY(!window->timer(1)->isActive());
        pressAll({59, 100});  // A E
        snapshot("general-ae");
        QCOMPARE(combo(ListId::Combo2_0)->currentText(), QStringLiteral("Я должен оставить свое судно"));
        press(112);  // 1
        QCOMPARE(combo(ListId::Combo2_0)->currentText(), text(ListId::Combo2_0, 5));
        QCOMPARE(window->picture(3)->picture(), &PictureCatalogue::instance().flag(26));
        press(110);  // 3: AE3 is no signal
        QCOMPARE(combo(ListId::Combo2_0)->currentIndex(), -1);
        QCOMPARE(combo(ListId::Combo2_0)->currentText(), QString());
        QCOMPARE(combo(ListId::Combo2_0)->placeholderText(), QString());

        choose(2);
        pressAll({65, 94, 108});  // J O 5
        QVERIFY(combo(ListId::Combo2_1)->isVisible());
        QVERIFY(!combo(ListId::Combo2_0)->isVisible());
        QCOMPARE(combo(ListId::Combo2_1)->currentText(), text(ListId::Combo2_1, 8));

        choose(2);
        pressAll({69, 87, 104});  // X H 9
        QCOMPARE(combo(ListId::Combo2_2)->currentIndex(), 304);
        QCOMPARE(combo(ListId::Combo2_2)->currentText(), text(ListId::Combo2_2, 304));
    }

    void firstFlagDigitKeepsTheFirstKeyboard() {
        choose(2);
        press(43);  // 5 on Frame2
        QVERIFY(window->frame(2)->isVisible());
        QCOMPARE(window->picture(1)->picture(), &PictureCatalogue::instance().flag(30));
        QCOMPARE(combo(ListId::Combo2_0)->currentIndex(), -1);
    }

    void composesMedicalSignals() {
        choose(3);
        QVERIFY(window->picture(5)->isVisible());
        QVERIFY(!window->picture(1)->isVisible());
        // Picture5's M is its own picture, never the catalogue's.
        QVERIFY(window->picture(5)->picture() != &PictureCatalogue::instance().flag(12));
        QCOMPARE(PictureCatalogue::instance().flagOf(window->picture(5)->picture()), -1);
        press(84);   // L on Frame3
        QVERIFY(window->frame(4)->isVisible());
        press(127);  // Q on Frame4
        snapshot("medical-mlq");
        QCOMPARE(combo(ListId::Combo3)->currentIndex(), 235);
        QCOMPARE(combo(ListId::Combo3)->currentText(), text(ListId::Combo3, 235));
    }

    void medicalListLiesOverTheGeneralOne() {
        choose(1);
        press(27);  // J
        choose(3);
        press(100);  // E: the hidden J makes JE show Combo2(0) as well
        QVERIFY(combo(ListId::Combo2_0)->isVisible());
        QVERIFY(combo(ListId::Combo3)->isVisible());
        const auto children = window->clientArea()->children();
        QVERIFY(children.indexOf(combo(ListId::Combo3)) > children.indexOf(combo(ListId::Combo2_0)));
        QCOMPARE(window->clientArea()->childAt(combo(ListId::Combo3)->geometry().center()), combo(ListId::Combo3));
    }

    void singleLetterKeys() {
        choose(1);
        press(14);  // R
        QCOMPARE(window->picture(1)->picture(), &PictureCatalogue::instance().flag(17));
        QCOMPARE(combo(ListId::Combo1)->currentIndex(), -1);
        QCOMPARE(combo(ListId::Combo1)->currentText(), QString());
        press(16);  // Y
        QCOMPARE(combo(ListId::Combo1)->currentText(), QStringLiteral("Меня дрейфует на якоре "));
        // An auto-sized position: M is 15 twips wider and 30 lower than any other flag.
        QCOMPARE(window->picture(1)->size(), QSize(95, 64));
        press(36);  // M
        QCOMPARE(window->picture(1)->size(), QSize(96, 62));
    }

    void tableSectionsKeepTheirListAndAHiddenSelection() {
        choose(4);
        QVERIFY(window->label1()->isVisible());
        QVERIFY(combo(ListId::Combo4)->isVisible());
        snapshot("table-i");
        // The user reads a row of the tables; a key that keeps that list's
        // selection leaves it alone, and the hidden Combo1 moves meanwhile.
        combo(ListId::Combo4)->setCurrentIndex(12);
        Q_EMIT combo(ListId::Combo4)->activated(12);
        QCOMPARE(window->engine().selection(ListId::Combo4), 12);
        press(13);  // E
        QCOMPARE(combo(ListId::Combo4)->currentIndex(), 12);
        QCOMPARE(combo(ListId::Combo1)->currentIndex(), 4);
        QVERIFY(!combo(ListId::Combo1)->isVisible());
    }

    void slideShowRunsUntilTheFirstSection() {
        window->Timer_Timer(3);
        QCOMPARE(window->picture(3)->picture(), &PictureCatalogue::instance().flag(1));
        choose(5);
        for (int t = 1; t <= 3; ++t) QVERIFY(!window->timer(t)->isActive());
        window->Timer_Timer(1);  // a late tick changes nothing
        QCOMPARE(window->picture(1)->picture(), nullptr);
        choose(1);
        for (int t = 1; t <= 3; ++t) QVERIFY(!window->timer(t)->isActive());
    }

    void aboutKeyOpensOneWindow() {
        press(41);
        sprawka3* about = sprawka3::current();
        QVERIFY(about);
        QVERIFY(about->isVisible());
        if (const QString dir = qEnvironmentVariable("MSS65_SCREENSHOTS"); !dir.isEmpty())
            about->grab().save(QDir(dir).filePath(QStringLiteral("about.png")));
        QVERIFY(!about->parentWidget());
        QVERIFY(!about->isModal());
        QCOMPARE(about->windowTitle(), QStringLiteral("О программе КРВ-65"));
        choose(2);
        press(75);
        QCOMPARE(sprawka3::current(), about);
        int aboutWindows = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("sprawka3")) ++aboutWindows;
        QCOMPARE(aboutWindows, 1);
        auto* author = about->findChild<mss::forms::AnimatedLabel*>(QStringLiteral("AniLabel1"));
        QVERIFY(author);
        QCOMPARE(author->caption(), QStringLiteral("Разработчики МСС-65"));
        QVERIFY(author->animating());
        // The author's name shows whole within its label, in the label's face.
        QVERIFY(QFontMetrics(author->shownFont()).horizontalAdvance(author->caption()) <= author->width());
        QCOMPARE(author->shownFont().family(), author->font().family());
        QVERIFY(author->shownFont().bold());
        // Hidden, it stops animating.
        about->hide();
        QVERIFY(!author->animating());
        about->show();
        QVERIFY(author->animating());
        // OK closes it; the next About key opens a new one.
        QTest::mouseClick(about->okButton(), Qt::LeftButton);
        QTRY_VERIFY(!sprawka3::current());
        press(75);  // the About key of Frame2
        QVERIFY(sprawka3::current());
    }

    void exitKeysAskTheirQuestion() {
        struct Case { int option; std::initializer_list<int> before; int exitKey; const char* question; };
        const Case cases[] = {
            {1, {}, 42, "Гром и молния! Выходим в море?"},
            {2, {}, 76, "Три тысячи чертей! Уходим в море?!"},
            {2, {59}, 113, "Три тысячи чертей! Уходим в море?!"},
            {3, {92}, 116, "Три тысячи чертей! Отдать швартовы?!"},
        };
        for (const Case& c : cases) {
            choose(c.option);
            pressAll(c.before);
            asked.answer = false;
            const int before = asked.count;
            press(c.exitKey);
            QCOMPARE(asked.count, before + 1);
            QCOMPARE(asked.title, QStringLiteral("КРВ-65"));
            QCOMPARE(asked.question, QString::fromUtf8(c.question));
            QVERIFY(window->isVisible());
        }
        // "Нет" left everything as it was; "Да" closes the main window.
        QVERIFY(window->frame(4)->isVisible());
        QCOMPARE(window->option(3)->isChosen(), true);
        asked.answer = true;
        press(116);
        QVERIFY(!window->isVisible());
    }

    void closeControlAsksNothing() {
        window->close();
        QCOMPARE(asked.count, 0);
        QVERIFY(!window->isVisible());
    }

    void clickingTheChosenSectionStartsItAgain() {
        choose(2);
        pressAll({59, 100});
        choose(2);
        QVERIFY(window->option(2)->isChosen());
        QVERIFY(window->frame(2)->isVisible());
        QCOMPARE(window->picture(1)->picture(), nullptr);
        QCOMPARE(combo(ListId::Combo2_0)->currentIndex(), -1);
    }

    void tabOrderFollowsTheTable() {
        // On opening, the focus is on the first key in the tab order: M of
        // the single-letter keyboard.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), window->command(36));
        choose(1);
        // Frame1's keys run in reverse reading order: M first, then N ... 1.
        QCOMPARE(window->command(36)->nextInFocusChain(), window->command(35));
        QCOMPARE(window->command(1)->nextInFocusChain(), window->command(42));   // Exit after the keys
        QCOMPARE(window->command(42)->nextInFocusChain(), window->command(41));  // then About
    }

    void typingPressesTheKeysOfTheKeyboardOnView() {
        choose(2);
        QTest::keyClicks(window.get(), QStringLiteral("ae1"));
        QTRY_COMPARE(combo(ListId::Combo2_0)->currentIndex(), 5);
        QCOMPARE(window->picture(1)->picture(), &PictureCatalogue::instance().flag(0));
        QCOMPARE(window->picture(2)->picture(), &PictureCatalogue::instance().flag(4));
        // A Russian layout gives Cyrillic letters: the key where E is types "у".
        choose(2);
        QKeyEvent ef(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ф"));
        QApplication::sendEvent(window.get(), &ef);
        QKeyEvent u(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("у"));
        QTRY_VERIFY(window->frame(3)->isVisible());
        QApplication::sendEvent(window.get(), &u);
        QTRY_COMPARE(combo(ListId::Combo2_0)->currentIndex(), 4);
        // Escape and shortcuts press nothing.
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTest::keyClick(window.get(), Qt::Key_2, Qt::ControlModifier);
        QTest::qWait(250);
        QCOMPARE(window->picture(3)->picture(), nullptr);
    }

    void keysAreMatchedByTheirPlace() {
        struct Case { unsigned code; int key; const char* text; char symbol; };
        const Case cases[] = {
            {24, 0, "й", 'Q'}, {10, 0, "!", '1'}, {19, 0, ")", '0'}, {58, 0, "ь", 'M'}, {46, 0, "д", 'L'},
            {0, Qt::Key_Q, "q", 'Q'}, {0, Qt::Key_7, "7", '7'}, {0, Qt::Key_unknown, "Я", 'Z'},
            {0, Qt::Key_unknown, "ю", 0}, {9, Qt::Key_Escape, "", 0}, {65, Qt::Key_Space, " ", 0},
        };
        for (const Case& c : cases) {
            const auto s = mss::forms::symbolOfKey(c.code, c.key, QString::fromUtf8(c.text));
            QCOMPARE(s.value_or(0), c.symbol);
        }
    }

    void picturesSuitTheScreenDensity() {
        // Run once as it is and once with QT_SCALE_FACTOR=2.
        const bool sharp = qApp->devicePixelRatio() >= 1.5;
        const PictureCatalogue& pictures = PictureCatalogue::instance();
        for (int k : {0, 12, 35}) {
            QCOMPARE(pictures.flag(k).devicePixelRatio(), sharp ? 2.0 : 1.0);
            QCOMPARE(pictures.flag(k).deviceIndependentSize().toSize(), k == 12 ? QSize(92, 58) : QSize(91, 60));
        }
        QCOMPARE(pictures.mainBackground().deviceIndependentSize().toSize(), QSize(795, 596));
        QCOMPARE(pictures.ship().deviceIndependentSize().toSize(), QSize(65, 85));
        QCOMPARE(window->clientArea()->size(), QSize(792, 526));
        choose(1);
        press(36);
        QCOMPARE(window->picture(1)->size(), QSize(96, 62));
    }

    void standardDialogsSpeakRussian() {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        QCOMPARE(QLocale().language(), QLocale::Russian);
    }

    void screenReaderNamesKeysPositionsAndMeaning() {
        QCOMPARE(window->command(100)->accessibleName(), QStringLiteral("Ee, Эко"));
        QCOMPARE(window->command(1)->accessibleDescription(), QStringLiteral("Поднимает вымпел «Унауан»"));
        QCOMPARE(window->picture(2)->accessibleName(), QStringLiteral("Второй флаг: пусто"));
        choose(2);
        pressAll({59, 100});
        QCOMPARE(window->picture(1)->accessibleName(), QStringLiteral("Первый флаг: Алфа (A)"));
        QCOMPARE(window->picture(2)->accessibleName(), QStringLiteral("Второй флаг: Эко (E)"));
        QAccessibleInterface* line = QAccessible::queryAccessibleInterface(combo(ListId::Combo2_0));
        QVERIFY(line);
        QCOMPARE(line->text(QAccessible::Value), QStringLiteral("Я должен оставить свое судно"));
    }

    void damagedCodeBookIsExplainedInRussian() {
        const auto damaged = mss::codebook::parseCodeBook("list\tindex\tcodes\ttext\tsource\nCombo1\t0\tB\tТекст\tbook\n");
        const QString message = mss::forms::codeBookProblemMessage(damaged);
        QVERIFY(message.contains(QStringLiteral("повреждена")));
        QVERIFY(message.contains(QStringLiteral("Строка 2")));
        QVERIFY(message.contains(QStringLiteral("Combo1")));
        const auto incomplete = mss::codebook::parseCodeBook("list\tindex\tcodes\ttext\tsource\n");
        QVERIFY(mss::forms::codeBookProblemMessage(incomplete).contains(QStringLiteral("неполна")));
        QVERIFY(mss::forms::codeBookProblemMessage(mss::codebook::parseCodeBook(mss::data::codeBookBytes())).isEmpty());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
