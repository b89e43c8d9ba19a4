// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the commands print on the terminal, as UTF-8, and how a command that
// draws (cards, a ticket's PDF) gets an application object without a display.

#include <QGuiApplication>
#include <QString>

#include <cstdio>

namespace mss::app {

void write(std::FILE* to, const QString& text);
// The message on the error stream, a line of its own; returns `status`.
int refuse(const QString& message, int status);

// Drawing off the screen: no display is needed, nor opened when there is
// one; the toolkit's notes (no runtime folder, a font stood in for another)
// are kept back from a teacher's script, its errors still go out.
class OffscreenDrawing {
public:
    OffscreenDrawing(int& argc, char* argv[]);

private:
    QGuiApplication app_;
};

}  // namespace mss::app
