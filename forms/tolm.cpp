#include "tolm.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>
#include <QGuiApplication>

#include <algorithm>
#include <vector>

#include "animated_label.h"
#include "caption/caption_hook.h"
#include "codebook/flag_catalogue.h"
#include "face_button.h"
#include "flag_picture_box.h"
#include "form_layout.h"
#include "keyboard_frame.h"
#include "physical_keys.h"
#include "picture_catalogue.h"
#include "signals/keyboards.h"
#include "sprawka3.h"
#include "twips.h"

namespace mss::forms {

namespace {

using codebook::ListId;
using signals::Changes;
using signals::EditField;
using signals::Element;

constexpr std::array<int, 3> kTimerPeriodsMs{5000, 3000, 2000};
constexpr int kKeyFlashMs = 120;

QString phoneticName(int flag) {
    const auto& name = codebook::flagEntry(flag).phoneticName;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// What a screen reader says of a hoist position.
QString spokenPosition(int position, int flag) {
    static const std::array<QString, 3> names{QStringLiteral("Первый флаг"), QStringLiteral("Второй флаг"),
                                              QStringLiteral("Третий флаг")};
    const QString& name = names[static_cast<std::size_t>(position)];
    if (flag == signals::kNoFlag) return name + QStringLiteral(": пусто");
    return QStringLiteral("%1: %2 (%3)").arg(name, phoneticName(flag), QChar::fromLatin1(codebook::symbolOfFlag(flag)));
}

QFont dialogFont(bool bold = false) {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(8.25);
    f.setBold(bold);
    return f;
}

}  // namespace

namespace {

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

}  // namespace

tolm::tolm(const codebook::CodeBook& book, ExitQuestion ask) : ask_(std::move(ask)) {
    setObjectName(QStringLiteral("tolm"));
    const WindowSpec& form = mainWindowSpec();
    setWindowTitle(form.caption);
    setWindowIcon(PictureCatalogue::instance().icon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(dialogFont());
    client_ = new ClientArea(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    client_->setFixedSize(px(form.clientWidth), px(form.clientHeight));
    setFixedSize(client_->size());

    createControls(book);
    createKeyboards();
    applyTabOrder();
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        timers_[i].setInterval(kTimerPeriodsMs[i]);
        QObject::connect(&timers_[i], &QTimer::timeout, this, [this, i] { Timer_Timer(static_cast<int>(i) + 1); });
    }
    projectAll();
}

tolm::~tolm() = default;

void tolm::createControls(const codebook::CodeBook& book) {
    const PictureCatalogue& pictures = PictureCatalogue::instance();
    for (const ControlSpec& c : mainWindowControls()) {
        QWidget* w = nullptr;
        switch (c.kind) {
            case ControlKind::AnimatedLabel: {
                QFont f(QStringLiteral("Times New Roman"));
                f.setPointSizeF(21.75);
                f.setBold(true);
                aniLabel1_ = new AnimatedLabel(c.caption, f, Qt::white, client_);
                w = aniLabel1_;
                break;
            }
            case ControlKind::Image:
                image1_ = new QLabel(client_);
                image1_->setPixmap(pictures.ship());
                image1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                w = image1_;
                break;
            case ControlKind::HoistPosition: {
                auto* box = new FlagPictureBox(client_);
                pictures_[static_cast<std::size_t>(c.index == 5 ? 3 : c.index - 1)] = box;
                if (c.index == 5) {
                    box->showPicture(&pictures.singleM());
                    box->setAccessibleName(QStringLiteral("Первый флаг: Майк (M), медицинский раздел"));
                }
                w = box;
                break;
            }
            case ControlKind::SectionButton: {
                auto* b = c.look == Look::DarkButton ? new FaceButton(c.caption, kKeyFace, Qt::white, client_)
                                                     : new FaceButton(c.caption, QColor(0, 0, 255), QColor(), client_);
                b->setFont(dialogFont(true));
                options_[static_cast<std::size_t>(c.index - 1)] = b;
                QObject::connect(b, &QPushButton::clicked, this, [this, n = c.index] { Option_Click(n); });
                w = b;
                break;
            }
            case ControlKind::Label: {
                label1_ = new QLabel(c.caption, client_);
                label1_->setFont(dialogFont(true));
                QPalette pal = label1_->palette();
                pal.setColor(QPalette::WindowText, QColor(0, 255, 255));
                label1_->setPalette(pal);
                w = label1_;
                break;
            }
            case ControlKind::List: {
                const auto list = static_cast<ListId>(c.index);
                auto* combo = new QComboBox(client_);
                combo->setFont(font());
                QStringList rows;
                const auto& bookRows = book.rows(list);
                rows.reserve(static_cast<qsizetype>(bookRows.size()));
                for (const auto& row : bookRows) rows.append(QString::fromStdString(row.text));
                // A plain list model: one string a row, without an item object for each.
                combo->setModel(new QStringListModel(rows, combo));
                combo->setMaxVisibleItems(24);
                combo->setCurrentIndex(-1);
                combo->setPlaceholderText(QString::fromUtf8(codebook::listInfo(list).heading.data(),
                                                            static_cast<qsizetype>(codebook::listInfo(list).heading.size())));
                combo->setAccessibleName(QStringLiteral("Значение сигнала"));
                combo->setAccessibleDescription(combo->placeholderText());
                combos_[static_cast<std::size_t>(c.index)] = combo;
                QObject::connect(combo, &QComboBox::activated, this,
                                 [this, list](int row) { Combo_Activated(list, row); });
                w = combo;
                break;
            }
            case ControlKind::KeyboardFrame:
                frames_[static_cast<std::size_t>(c.index - 1)] =
                    new KeyboardFrame(c.caption, frameCaptionColour(c.index), client_);
                w = frames_[static_cast<std::size_t>(c.index - 1)];
                break;
        }
        w->setObjectName(QString::fromLatin1(c.name));
        w->setGeometry(pxRect(c.left, c.top, c.width, c.height));
        if (!c.toolTip.isEmpty()) w->setToolTip(c.toolTip);
        if (c.kind == ControlKind::Label) label1_->adjustSize();
        w->setVisible(c.visibleAtStart);
    }
    // The lists' drop-downs are wide enough to read their longest rows.
    for (QComboBox* combo : combos_) combo->view()->setMinimumWidth(combo->width());
}

void tolm::createKeyboards() {
    for (int f = 1; f <= 4; ++f) {
        KeyboardFrame* frame = frames_[static_cast<std::size_t>(f - 1)];
        for (const signals::KeyDefinition* key : signals::keysOfFrame(f)) {
            auto* b = new FaceButton(
                QString::fromUtf8(key->caption.data(), static_cast<qsizetype>(key->caption.size())), kKeyFace,
                Qt::white, frame);
            b->setObjectName(QStringLiteral("Command%1").arg(key->command));
            b->setGeometry(pxRect(key->left, key->top, key->width, key->height));
            b->setFont(dialogFont());
            if (key->role == signals::KeyRole::Flag) {
                const QString name = phoneticName(key->flag);
                b->setToolTip(name);
                b->setAccessibleName(b->text() + QStringLiteral(", ") + name);
                b->setAccessibleDescription(
                    (codebook::isLetterFlag(key->flag) ? QStringLiteral("Поднимает флаг «%1»")
                                                       : QStringLiteral("Поднимает вымпел «%1»"))
                        .arg(name));
            } else {
                b->setAccessibleDescription(key->role == signals::KeyRole::About
                                                ? QStringLiteral("Открывает окно «О программе»")
                                                : QStringLiteral("Спрашивает, закрыть ли программу"));
            }
            QObject::connect(b, &QPushButton::clicked, this, [this, n = key->command] { Command_Click(n); });
            commands_[static_cast<std::size_t>(key->command)] = b;
        }
    }
}

void tolm::applyTabOrder() {
    std::vector<std::pair<int, QWidget*>> order;
    for (int n = signals::kFirstCommand; n <= signals::kLastCommand; ++n)
        order.emplace_back(signals::keyDefinition(n)->tabOrder, command(n));
    for (const ControlSpec& c : mainWindowControls())
        if (c.kind == ControlKind::SectionButton || c.kind == ControlKind::List)
            order.emplace_back(c.tabIndex, findChild<QWidget*>(QString::fromLatin1(c.name)));
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

FlagPictureBox* tolm::picture(int n) const {
    return pictures_.at(static_cast<std::size_t>(n == 5 ? 3 : n - 1));
}

QWidget* tolm::element(Element e) const {
    switch (e) {
        case Element::Frame1: case Element::Frame2: case Element::Frame3: case Element::Frame4:
            return frames_[static_cast<std::size_t>(signals::index(e))];
        case Element::Combo1: case Element::Combo2_0: case Element::Combo2_1: case Element::Combo2_2:
        case Element::Combo3: case Element::Combo4:
            return combos_[static_cast<std::size_t>(signals::index(e) - signals::index(Element::Combo1))];
        case Element::Picture1: return picture(1);
        case Element::Picture5: return picture(5);
        case Element::Label1: return label1_;
    }
    return nullptr;
}

void tolm::Form_Load() {
    caption::InstallCaptionHook(this, client_);
    // The window opens in the middle of the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect placed = frameGeometry();
        placed.moveCenter(screen->availableGeometry().center());
        move(placed.topLeft());
    }
    engine_.Form_Load();
    project(engine_.takeChanges());
    for (int t = 1; t <= 3; ++t)
        if (engine_.TimerEnabled(static_cast<signals::Timer>(t - 1))) timer(t)->start();
}

void tolm::Command_Click(int command) {
    const signals::KeyDefinition* key = signals::keyDefinition(command);
    if (!key) return;
    switch (key->role) {
        case signals::KeyRole::About:
            sprawka3::showAboutWindow(this);
            return;
        case signals::KeyRole::Exit: {
            const auto& q = signals::exitQuestion(key->frame);
            if (ask_(this, kExitTitle, QString::fromUtf8(q.data(), static_cast<qsizetype>(q.size())))) close();
            return;
        }
        case signals::KeyRole::Flag:
            engine_.Command_Click(command);
            project(engine_.takeChanges());
            return;
    }
}

void tolm::Option_Click(int option) {
    engine_.Option_Click(option);
    project(engine_.takeChanges());
}

void tolm::Timer_Timer(int timer) {
    const auto t = static_cast<signals::Timer>(timer - 1);
    if (!engine_.TimerEnabled(t)) return;
    engine_.Timer_Timer(t);
    project(engine_.takeChanges());
}

void tolm::Combo_Activated(ListId list, int row) {
    engine_.SelectEntry(list, row);
    project(engine_.takeChanges());
}

void tolm::showList(ListId list) {
    QComboBox* combo = combos_[static_cast<std::size_t>(list)];
    switch (engine_.editField(list)) {
        case EditField::Heading: {
            const auto& heading = codebook::listInfo(list).heading;
            combo->setPlaceholderText(QString::fromUtf8(heading.data(), static_cast<qsizetype>(heading.size())));
            combo->setCurrentIndex(-1);
            break;
        }
        case EditField::Empty:
            combo->setPlaceholderText(QString());
            combo->setCurrentIndex(-1);
            break;
        case EditField::Row:
            combo->setCurrentIndex(engine_.selection(list));
            break;
    }
    // The meaning line is read out when it changes.
    QAccessibleValueChangeEvent spoken(combo, combo->currentText());
    QAccessible::updateAccessibility(&spoken);
}

void tolm::project(Changes changes) {
    if (!changes.any()) return;
    const PictureCatalogue& pictures = PictureCatalogue::instance();
    for (int p = 0; p < signals::kPositionCount; ++p) {
        const auto position = static_cast<signals::Position>(p);
        if (!changes.has(Changes::positionBit(position))) continue;
        const int flag = engine_.flagAt(position);
        FlagPictureBox* box = pictures_[static_cast<std::size_t>(p)];
        box->showPicture(flag == signals::kNoFlag ? nullptr : &pictures.flag(flag));
        box->setAccessibleName(spokenPosition(p, flag));
        QAccessibleEvent spoken(box, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&spoken);
    }
    for (const auto& info : codebook::kLists)
        if (changes.has(Changes::listBit(info.id))) showList(info.id);
    for (int e = 0; e < signals::kElementCount; ++e) {
        const auto el = static_cast<Element>(e);
        if (changes.has(Changes::visibilityBit(el))) element(el)->setVisible(engine_.IsShown(el));
    }
    // Where two lists are on view at once, the medical list lies on top.
    if (changes.has(Changes::visibilityBit(Element::Combo3)) && engine_.IsShown(Element::Combo3))
        combos_[static_cast<std::size_t>(ListId::Combo3)]->raise();
    for (int t = 1; t <= 3; ++t) {
        const auto tm = static_cast<signals::Timer>(t - 1);
        if (changes.has(Changes::timerBit(tm)) && !engine_.TimerEnabled(tm)) timer(t)->stop();
    }
    if (changes.has(Changes::kOption))
        for (int n = 1; n <= 6; ++n) option(n)->setChosen(n == engine_.selectedOption());
}

void tolm::projectAll() {
    Changes all;
    all.bits = ~0u;
    project(all);
}

void tolm::keyPressEvent(QKeyEvent* event) {
    // Typing a letter or digit presses the same key of the keyboard on view,
    // just as a click would.
    const auto symbol = symbolOfKeyPress(*event);
    if (symbol && !event->isAutoRepeat()) {
        const int flag = *codebook::flagIndexOfSymbol(*symbol);
        for (int f = 1; f <= 4; ++f) {
            if (!frames_[static_cast<std::size_t>(f - 1)]->isVisible()) continue;
            for (const signals::KeyDefinition* key : signals::keysOfFrame(f))
                if (key->role == signals::KeyRole::Flag && key->flag == flag) {
                    // The key shows its press for a moment, but acts at once,
                    // so fast typing lands on the keyboard each key brings.
                    QPushButton* b = command(key->command);
                    b->click();
                    b->setDown(true);
                    QTimer::singleShot(kKeyFlashMs, b, [b] { b->setDown(false); });
                    event->accept();
                    return;
                }
        }
    }
    QWidget::keyPressEvent(event);
}

void tolm::closeEvent(QCloseEvent* event) {
    // A close request is never refused and asks nothing.
    for (QTimer& t : timers_) t.stop();
    event->accept();
}

}  // namespace mss::forms
