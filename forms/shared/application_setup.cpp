// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/application_setup.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "forms/shared/picture_catalogue.h"

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
}

void prepareApplication() {
    // The largest picture decodes on a worker thread while the window is built.
    PictureCatalogue::startLoading();
    // No display name: with one, window managers would add it to every title.
    QCoreApplication::setApplicationName(QStringLiteral("mss65"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mss65.Trainer"));
    speakRussian();

    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

}  // namespace mss::forms
