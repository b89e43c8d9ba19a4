#pragma once
// What the main window and the About window hold and where: one row per
// control, in twips, with its caption, tooltip, look, design-time
// visibility and tab index. The keys of the four keyboards come from the
// engine's keyboard tables.

#include <QColor>
#include <QString>

#include <span>

namespace mss::forms {

enum class ControlKind {
    AnimatedLabel, Image, HoistPosition, SectionButton, Label, List, KeyboardFrame,
};

enum class Look {
    Plain,
    DarkButton,   // section buttons of the top row: dark grey face, white caption, bold
    BlueButton,   // section buttons of the bottom row: blue face, default caption colour, bold
    CyanLabel,    // Label1: bold cyan text on a transparent ground
    Title,        // AniLabel1: large white bold serif
};

struct ControlSpec {
    const char* name;  // the control's name, also its objectName
    ControlKind kind;
    int left, top, width, height;  // twips
    QString caption;
    QString toolTip;
    Look look = Look::Plain;
    bool visibleAtStart = true;
    int tabIndex = -1;
    int index = 0;  // which list, frame, section or position it is (1-based where that reads better)
};

// The main window `tolm`.
struct WindowSpec {
    QString caption;
    int clientWidth, clientHeight;  // twips
};
const WindowSpec& mainWindowSpec();
std::span<const ControlSpec> mainWindowControls();

// Keyboard frames: blue ground and a coloured bold serif caption.
QColor frameCaptionColour(int frame);  // invalid colour: the default text colour
inline const QColor kFrameGround{0, 0, 255};
inline const QColor kKeyFace{64, 64, 64};

// The address in the tooltips of Image1 and Option4.
inline const QString kClubAddress = QStringLiteral("https://mss65.example.org");

// The About window `sprawka3`.
struct AboutControlSpec {
    const char* name;
    QString text;
    int left, top, width, height;  // twips
    double pointSize;              // 0: the platform's default font
    bool white;                    // white text (the animated labels)
    bool animated;
    int tabIndex;
};
const WindowSpec& aboutWindowSpec();
std::span<const AboutControlSpec> aboutWindowControls();
inline const QString kAuthorName = QStringLiteral("Разработчики МСС-65");
inline const QString kExitTitle = QStringLiteral("КРВ-65");

}  // namespace mss::forms
