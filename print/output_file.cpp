// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/output_file.h"

#include <QDir>
#include <QFile>

#include <optional>
#include <sys/stat.h>

#include "runtime/file_size_limit.h"

namespace mss::print {

namespace {

QString notWritten(const QString& file, const QString& why) {
    return QStringLiteral("Файл «%1» не записан: %2.").arg(QDir::toNativeSeparators(file), why);
}

// What a thing that is no regular file is, in the nominative and after «на»;
// nothing for a kind without a common name.
struct Kind {
    QString nominative;
    QString accusative;
};

std::optional<Kind> kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return Kind{QStringLiteral("папка"), QStringLiteral("папку")};
    if (S_ISFIFO(mode)) return Kind{QStringLiteral("именованный канал"), QStringLiteral("именованный канал")};
    if (S_ISCHR(mode) || S_ISBLK(mode)) return Kind{QStringLiteral("устройство"), QStringLiteral("устройство")};
    if (S_ISSOCK(mode)) return Kind{QStringLiteral("сокет"), QStringLiteral("сокет")};
    return std::nullopt;
}

}  // namespace

QString refusalToWrite(const QString& file) {
    const QByteArray path = QFile::encodeName(file);
    struct stat entry {};
    // A name not taken yet; a missing folder on its way is said when it is written.
    if (::lstat(path.constData(), &entry) != 0) return {};
    if (S_ISREG(entry.st_mode)) return {};
    if (!S_ISLNK(entry.st_mode)) {
        const std::optional<Kind> kind = kindOf(entry.st_mode);
        return notWritten(file, kind ? QStringLiteral("это %1, а не обычный файл").arg(kind->nominative)
                                     : QStringLiteral("это не обычный файл"));
    }
    struct stat target {};
    if (::stat(path.constData(), &target) != 0)
        return notWritten(file, QStringLiteral("это ссылка на файл, которого нет"));
    if (S_ISREG(target.st_mode)) return {};
    const std::optional<Kind> kind = kindOf(target.st_mode);
    return notWritten(file, kind ? QStringLiteral("это ссылка на %1, а не на обычный файл").arg(kind->accusative)
                                 : QStringLiteral("это ссылка не на обычный файл"));
}

QString beyondFileSizeLimit(const QString& file, qint64 bytes) {
    const auto limit = runtime::fileSizeLimit();
    if (!limit || bytes < 0 || static_cast<std::uintmax_t>(bytes) <= *limit) return {};
    return notWritten(file, QStringLiteral("он превысил бы предел размера файла, установленный в системе (ulimit -f)"));
}

}  // namespace mss::print
