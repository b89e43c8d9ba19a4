// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program sets up once, before its first window: its name (and no
// display name, which window managers would add to every title), Russian for
// the toolkit's own dialogs, no settings file of the toolkit's, the classic
// font names the windows ask for, drawn by metric-compatible families with
// Cyrillic, and the decoding of the largest picture, which starts on a
// worker thread.

namespace mss::forms {

void prepareApplication();

// Russian for the toolkit's own texts, what its translation lacks included
// (toolkit_words.h); also for the command line, which has no window.
void speakRussian();

// No settings file of the toolkit's (its file dialog's) is read or written.
void keepNoToolkitSettings();

}  // namespace mss::forms
