// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which characters the Windows Cyrillic code page 1251 can represent: the
// code book keeps its texts within it.

namespace mss::codebook {

bool representableInCp1251(char32_t ch);

}  // namespace mss::codebook
