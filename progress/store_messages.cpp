// SPDX-License-Identifier: GPL-3.0-or-later
#include "store_messages.h"

#include <cerrno>

#include "progress_schema.h"

namespace mss::progress::messages {

namespace {

std::string quoted(const std::filesystem::path& path) { return "«" + path.string() + "»"; }

std::string whyNotWritten(const SqliteFailure& failure) {
    switch (failure.code) {
        case sqlite_code::kFull: return "на диске не хватает места";
        case sqlite_code::kReadOnly:
        case sqlite_code::kPerm: return "нет права записи";
        case sqlite_code::kCantOpen: return "файл не открывается";
        case sqlite_code::kBusy:
        case sqlite_code::kLocked: return "файл занят другой программой";
        case sqlite_code::kIoError: return "ошибка записи на диск";
        default: return "ошибка базы данных, код " + std::to_string(failure.code);
    }
}

std::string whyNotRead(const SqliteFailure& failure) {
    switch (failure.code) {
        case sqlite_code::kPerm:
        case sqlite_code::kReadOnly: return "нет права чтения";
        case sqlite_code::kCantOpen: return "файл не открывается";
        case sqlite_code::kBusy:
        case sqlite_code::kLocked: return "файл занят другой программой";
        case sqlite_code::kIoError: return "ошибка чтения с диска";
        default: return "ошибка базы данных, код " + std::to_string(failure.code);
    }
}

// Why nothing may be written, from the errno of the refusal.
std::string whyReadOnly(int cause) {
    switch (cause) {
        case EROFS: return "диск подключён только для чтения";
        case EACCES:
        case EPERM: return "нет права записи";
        default: return "запись запрещена системой";
    }
}

// What is wrong with the file, as the words after «файл» (capitalised by the caller).
std::string whatIsWrong(SetAsideReason reason, const std::filesystem::path& file, int newerVersion) {
    switch (reason) {
        case SetAsideReason::Damaged: return " прогресса " + quoted(file) + " повреждён и не читается";
        case SetAsideReason::NotOurs:
            return std::string(" ").append(quoted(file)) + " не является файлом прогресса МСС-65";
        case SetAsideReason::NewerVersion:
            return " прогресса " + quoted(file) + " записан более новой версией МСС-65 (версия формата " +
                   std::to_string(newerVersion) + ", а эта программа читает версии не выше " +
                   std::to_string(kSchemaVersion) + ")";
    }
    return {};
}

}  // namespace

std::string fileNameWord(SetAsideReason reason) {
    switch (reason) {
        case SetAsideReason::Damaged: return "damaged";
        case SetAsideReason::NotOurs: return "foreign";
        case SetAsideReason::NewerVersion: return "newer";
    }
    return "damaged";
}

std::string setAside(SetAsideReason reason, const std::filesystem::path& file, const std::filesystem::path& keptAs,
                     int newerVersion) {
    return "Файл" + whatIsWrong(reason, file, newerVersion) + ". Он сохранён без изменений под именем " +
           quoted(keptAs) + ", прогресс начат заново.";
}

std::string notSaving(const std::string& reason) { return "Прогресс не сохраняется: " + reason + "."; }

std::string cannotCreateFolder(const std::filesystem::path& folder) {
    return "не удаётся создать папку " + quoted(folder);
}

std::string notAFile(const std::filesystem::path& file) { return "на месте файла " + quoted(file) + " другой объект"; }

std::string cannotRead(const std::filesystem::path& file, const SqliteFailure& failure, int refusal) {
    const std::string why = refusal == EACCES || refusal == EPERM ? "нет права чтения" : whyNotRead(failure);
    return "не удаётся прочитать файл " + quoted(file) + " (" + why + ")";
}

std::string cannotWrite(const std::filesystem::path& file, const SqliteFailure& failure, int refusal) {
    return "не удаётся записать файл " + quoted(file) + " (" +
           (refusal ? whyReadOnly(refusal) : whyNotWritten(failure)) + ")";
}

std::string fileSizeLimit(const std::filesystem::path& file) {
    return "не удаётся записать файл " + quoted(file) + " (достигнут предел размера файла, установленный в системе)";
}

std::string cannotSetAside(SetAsideReason reason, const std::filesystem::path& file, int newerVersion) {
    return "файл" + whatIsWrong(reason, file, newerVersion) + ", а переименовать его, чтобы начать заново, не удаётся";
}

std::string noSqliteDriver() { return "в системе нет модуля SQLite для Qt (пакет libqt6sql6-sqlite)"; }

std::string readOnlyPlace(const std::filesystem::path& file, int cause) {
    return "файл " + quoted(file) + " можно только читать (" + whyReadOnly(cause) +
           "); прогресс из него прочитан, а новые ответы останутся только до выхода из программы";
}

std::string unfinishedWrite(const std::filesystem::path& file, int cause) {
    return "запись в файл " + quoted(file) + " была прервана, а завершить её нельзя (" + whyReadOnly(cause) +
           "), поэтому файл не прочитан";
}

std::string waitingForFile() {
    return "Прогресс ждёт: файл занят другой программой; ответы будут записаны, когда он освободится.";
}

std::string fileBusyWhileReading() { return "Прогресс пока не прочитан: файл занят другой программой."; }

std::string resetRefused() { return "Прогресс не сброшен: файл занят другой программой. Попробуйте ещё раз позже."; }

}  // namespace mss::progress::messages
