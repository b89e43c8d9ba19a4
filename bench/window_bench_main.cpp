// SPDX-License-Identifier: GPL-3.0-or-later
// main() of the window benchmarks.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "forms/shared/application_setup.h"

int main(int argc, char* argv[]) {
    // Offscreen unless told otherwise, so the figure does not depend on a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mss::forms::prepareApplication();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
