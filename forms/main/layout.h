// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where every control of the main window and the About window stands, in
// twips, with its name, text, tooltip, design-time visibility and tab index.
// The keyboards and their keys stand where forms/shared/keyboard_layout.h
// says; the section buttons read their titles from the code book.

#include <QColor>
#include <QString>

#include <span>
#include <string_view>

#include "engine/keyboards.h"
#include "engine/parts.h"
#include "engine/window_names.h"
#include "forms/shared/keyboard_layout.h"

namespace mss::forms {

using codebook::CodeList;
using engine::HoistPosition;
using engine::Section;

struct WindowLayout {
    QString caption;
    int clientWidth, clientHeight;  // twips
};

// A control that shows a text (a label, a button) or carries a tooltip.
struct TextControlLayout {
    ControlLayout at;
    QString text;
    QString toolTip;
};

// --- The main window ------------------------------------------------------

const WindowLayout& mainWindowLayout();

const TextControlLayout& titleLayout();       // the animated title
const TextControlLayout& shipLayout();        // the ship picture in the top right corner
const TextControlLayout& tablesNoteLayout();  // the note under the section buttons
const TextControlLayout& hoistLayout(HoistPosition position);
const TextControlLayout& medicalMLayout();  // the M that stands in for the first flag

struct SectionButtonLayout {
    TextControlLayout control;
    bool topRow;  // dark face and white caption; the bottom row is blue
};
const SectionButtonLayout& sectionLayout(Section section);

// The buttons right of the section buttons that open the drill and the
// search. They look like the top row of section buttons and come right after
// the last section button in the tab order.
const TextControlLayout& drillButtonLayout();
const TextControlLayout& searchButtonLayout();

// Every list of the meaning line stands at the same place.
const ControlLayout& listLayout(CodeList list);

// The address in the tooltips of the ship and of table I.
inline const QString kClubAddress = QStringLiteral("https://mss65.example.org");

// --- The About window -----------------------------------------------------

struct AboutControlLayout {
    TextControlLayout control;
    double pointSize;  // 0: the platform's default font
    bool animated;
};
const WindowLayout& aboutWindowLayout();
std::span<const AboutControlLayout> aboutWindowControls();
// Short enough to read whole at its 12 points in its 95-pixel label.
inline const QString kAuthorName = QStringLiteral("Экипаж 65");

// The program's name as its windows write it: the exit question's title,
// the About window's caption and its large animated line.
inline const QString kNameInWindows = QStringLiteral("КРВ-65");
inline const QString& kExitTitle = kNameInWindows;

}  // namespace mss::forms
