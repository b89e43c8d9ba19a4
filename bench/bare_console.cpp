// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the toolkit for a command on the terminal: a console program
// that makes its application object and ends, as `mss65 --lookup` does
// around its work.

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return 0;
}
