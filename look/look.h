// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every colour and font of the program's windows, in one place. Colours the
// platform's palette gives (frames, bevels, the caption's end colour) are
// read from the palette where they are drawn.

#include <QColor>
#include <QFont>

namespace mss::look {

// Faces.
inline const QColor kDarkFace{64, 64, 64};  // every key, and the top row of section buttons
inline const QColor kBlue{0, 0, 255};       // keyboard grounds, and the bottom row of section buttons
// A chosen section button stays down with a face this much lighter (in per cent).
inline constexpr int kChosenFaceLighter = 135;

// Texts.
inline const QColor kWhite{255, 255, 255};      // key captions, the title, the animated labels
inline const QColor kTablesNote{0, 255, 255};   // the note under the section buttons
inline const QColor kGlint{255, 236, 150};      // the bright band that sweeps over a white animated label
// The caption of each keyboard, in the order single-letter, first flag,
// second letter, third letter; an invalid colour is the palette's text colour.
inline const QColor kKeyboardCaptions[4]{QColor(), QColor(128, 255, 255), QColor(192, 192, 255), QColor(255, 0, 0)};

// The drill: a right and a wrong answer, the signals new, being learned and
// learned in the progress chart, and a matched word's text on its bright band.
inline const QColor kRightAnswer{0, 255, 128};
inline const QColor kWrongAnswer{255, 140, 140};
inline const QColor kNewSignals{200, 200, 200};
inline const QColor kSignalsBeingLearned{255, 200, 0};
inline const QColor kLearnedSignals{0, 200, 90};
inline const QColor kOnGlint{0, 0, 0};

// Fonts.
QFont dialogFont(bool bold = false);              // MS Sans Serif 8.25 pt: keys, lists, buttons
QFont serifFont(double pointSize, bool bold = true);  // Times New Roman
inline constexpr double kTitlePoints = 21.75;           // the main window's title
inline constexpr double kKeyboardCaptionPoints = 12;    // a keyboard's caption

}  // namespace mss::look
