// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/codebook_problem.h"

namespace mss::forms {

QString codeBookProblemMessage(const codebook::LoadResult& loaded) {
    using codebook::LoadStatus;
    if (loaded.ok()) return {};
    const QString lead = loaded.status == LoadStatus::Incomplete
                             ? QStringLiteral("Кодовая книга программы неполна, и программа не может показывать "
                                              "значения сигналов.")
                             : QStringLiteral("Кодовая книга программы повреждена, и программа не может "
                                              "показывать значения сигналов.");
    QString detail = QString::fromStdString(loaded.firstProblem());
    if (!detail.isEmpty()) detail[0] = detail[0].toUpper();
    if (!detail.endsWith(u'.')) detail += u'.';
    QString more;
    if (loaded.problems.size() > 1)
        more = QStringLiteral("\nЕсть и другие ошибки: %1 всего.").arg(loaded.problems.size());
    return lead + QStringLiteral("\n\n") + detail + more +
           QStringLiteral("\n\nПереустановите программу.");
}

}  // namespace mss::forms
