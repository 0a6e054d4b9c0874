// The main program of benchmarks that measure or paint text: fonts need an
// application, and the measures the pinned screen of the tests.
#include "platform/Environment.h"

#include <QGuiApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    qm::Environment::pinScreenPixelsPerInch(96);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
