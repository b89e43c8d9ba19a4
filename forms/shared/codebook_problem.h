// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program says when the code book it carries cannot be used.

#include <QString>

#include "codebook/codebook_parser.h"

namespace mss::forms {

// One message in Russian naming the list and line at fault; empty when the
// book is sound.
QString codeBookProblemMessage(const codebook::LoadResult& loaded);

}  // namespace mss::forms
