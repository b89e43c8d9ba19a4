// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace mss::picturegen {

// One picture showing the named files of `directory` as Qt decodes them, each
// at its own size and enlarged four times, labelled with its name and size,
// on a chequered ground so that transparent parts show. Every image of an
// icon file is shown.
QImage contactSheet(const QString& directory, const QStringList& names);

}  // namespace mss::picturegen
