// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the learner is told beside a meaning written without the printed code
// at hand (the code book's `recall` rows), on screen and on paper alike.

#include <string_view>

namespace mss::codebook {

inline constexpr std::string_view kReconstructedNote = "Текст восстановлен; сверьте с печатным изданием";

}  // namespace mss::codebook
