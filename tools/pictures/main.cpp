// SPDX-License-Identifier: GPL-3.0-or-later
// mss-picturegen: draws every picture of the program from its data.
//
//   mss-picturegen --out DIR [--scale N] [--contact-sheet FILE.png]
//
// At scale 1 it writes the files that the program carries in data/pictures;
// a larger scale writes larger copies with the scale in their names. With
// --contact-sheet it also lays the written pictures out on one PNG for a look.

#include "contact_sheet.h"
#include "picture_files.h"
#include "picture_set.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

int usage() {
    std::fprintf(stderr, "usage: mss-picturegen --out DIR [--scale N] [--contact-sheet FILE.png]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Nothing here needs a display; the labels of the contact sheet only need fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString out, sheet;
    int scale = 1;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (i + 1 >= args.size()) return usage();
        const QString value = args[++i];
        if (arg == "--out") {
            out = value;
        } else if (arg == "--contact-sheet") {
            sheet = value;
        } else if (arg == "--scale") {
            bool ok = false;
            scale = value.toInt(&ok);
            if (!ok || scale < 1 || scale > 8) return usage();
        } else {
            return usage();
        }
    }
    if (out.isEmpty()) return usage();

    try {
        if (!QDir().mkpath(out)) {
            std::fprintf(stderr, "mss-picturegen: cannot create %s\n", qPrintable(out));
            return 1;
        }
        QStringList names;
        for (const auto& file : mss::picturegen::drawPictureSet(scale)) {
            mss::picturegen::writeFile(QDir(out).filePath(file.name), file.bytes);
            names << file.name;
        }
        std::printf("mss-picturegen: %lld pictures in %s\n", static_cast<long long>(names.size()), qPrintable(out));
        if (!sheet.isEmpty()) {
            if (!mss::picturegen::contactSheet(out, names).save(sheet, "PNG")) {
                std::fprintf(stderr, "mss-picturegen: cannot write %s\n", qPrintable(sheet));
                return 1;
            }
            std::printf("mss-picturegen: contact sheet %s\n", qPrintable(sheet));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mss-picturegen: %s\n", e.what());
        return 1;
    }
    return 0;
}
