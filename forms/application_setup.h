#pragma once
// What the program sets up once, before its first window: Russian for the
// toolkit's own dialogs, and the classic font names the windows ask for,
// drawn by metric-compatible families with Cyrillic.

namespace mss::forms {

void prepareApplication();

}  // namespace mss::forms
