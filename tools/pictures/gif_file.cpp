// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_files.h"

#include <gif_lib.h>

#include <QFile>

#include <stdexcept>
#include <string>

namespace mss::picturegen {

namespace {

int appendToBuffer(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

[[noreturn]] void giflibFailed(const char* what, int error) {
    const char* text = GifErrorString(error);
    throw std::runtime_error(std::string("GIF: ") + what + ": " + (text ? text : "unknown error"));
}

}  // namespace

QByteArray gifFile(const IndexedImage& image) {
    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendToBuffer, &error);
    if (!gif) giflibFailed("open", error);
    auto fail = [&](const char* what) {
        const int code = gif->Error;
        EGifCloseFile(gif, nullptr);
        giflibFailed(what, code);
    };

    const int colours = static_cast<int>(image.palette.size());
    std::vector<GifColorType> entries(image.palette.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const unsigned int c = image.palette[i];
        entries[i] = GifColorType{static_cast<GifByteType>((c >> 16) & 0xff), static_cast<GifByteType>((c >> 8) & 0xff),
                                  static_cast<GifByteType>(c & 0xff)};
    }
    ColorMapObject* map = GifMakeMapObject(colours, entries.data());
    if (!map) fail("palette");
    EGifSetGifVersion(gif, true);
    const int putScreen = EGifPutScreenDesc(gif, image.width, image.height, 8, 0, map);
    GifFreeMapObject(map);
    if (putScreen == GIF_ERROR) fail("screen");

    if (image.transparentIndex >= 0) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSAL_UNSPECIFIED;
        control.UserInputFlag = false;
        control.DelayTime = 0;
        control.TransparentColor = image.transparentIndex;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_ERROR)
            fail("transparency");
    }

    if (EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_ERROR) fail("image");
    std::vector<GifPixelType> line(static_cast<size_t>(image.width));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) line[static_cast<size_t>(x)] = image.at(x, y);
        if (EGifPutLine(gif, line.data(), image.width) == GIF_ERROR) fail("pixels");
    }
    if (EGifCloseFile(gif, &error) == GIF_ERROR) giflibFailed("close", error);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace mss::picturegen
