// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the program may write a file the learner named: the one answer the
// command line, the windows' file dialogs and the printing module all ask.
// Only a regular file (or a link to one) is replaced, and a name not taken
// yet is created; a named pipe, a device, a socket or a folder is never
// written over, nor what a link leads to when it is one of those.

#include <QString>

namespace mss::print {

// Empty when `file` may be written; otherwise why not, in Russian, as a
// whole sentence: «Файл «…» не записан: это именованный канал, а не обычный
// файл.»
QString refusalToWrite(const QString& file);

// Empty when a file of `bytes` fits under the file-size limit the system
// puts on this program (ulimit -f); otherwise why `file` is not written.
QString beyondFileSizeLimit(const QString& file, qint64 bytes);

}  // namespace mss::print
