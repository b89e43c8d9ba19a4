// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/application_setup.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "forms/shared/picture_catalogue.h"
#include "forms/shared/toolkit_words.h"

namespace mss::forms {

void speakRussian() {
    // The program speaks Russian whatever the system's language: so do the
    // toolkit's own dialogs, buttons and command-line messages.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    QCoreApplication::installTranslator(new ToolkitWords(QCoreApplication::instance()));
}

void keepNoToolkitSettings() {
    // The toolkit's file dialog keeps its history, its last folder and the
    // look of its list in a settings file (~/.config/QtProject.conf). The
    // program writes nothing but its progress and what the learner saves:
    // those settings are read from and written to a folder that cannot
    // exist, /dev/null being no folder (for root too), so they are lost.
    const QString nowhere = QStringLiteral("/dev/null");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, nowhere);
}

void prepareApplication() {
    // The largest picture decodes on a worker thread while the window is built.
    PictureCatalogue::startLoading();
    // No display name: with one, window managers would add it to every title.
    QCoreApplication::setApplicationName(QStringLiteral("mss65"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mss65.Trainer"));
    speakRussian();
    keepNoToolkitSettings();

    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

}  // namespace mss::forms
