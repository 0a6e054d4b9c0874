// Storing and reading back a recent-files section of 2,000 to 20,000 entries
// in a preferences file that holds other sections too: what the user waits
// for when a document is opened with such a list. It should grow linearly.
#include "platform/IniFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QList<qm::IniFile::KeyValue> recentFiles(qsizetype count)
{
    QList<qm::IniFile::KeyValue> keys;
    keys.reserve(count);
    for (qsizetype k = 0; k < count; ++k)
        keys.append({QStringLiteral("F%1").arg(k), QStringLiteral("/home/user/Calendars/Plan %1.QMF").arg(k)});
    return keys;
}

qm::IniFile preferencesIn(const QTemporaryDir &folder)
{
    qm::IniFile ini(folder.filePath(QStringLiteral("QM.ini")));
    ini.writeInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 60);
    ini.writeString(QStringLiteral("Default Font"), QStringLiteral("Name"), QStringLiteral("Arial"));
    return ini;
}

void writeRecentFiles(benchmark::State &state)
{
    QTemporaryDir folder;
    qm::IniFile ini = preferencesIn(folder);
    const QList<qm::IniFile::KeyValue> keys = recentFiles(state.range(0));
    for (auto _ : state)
        ini.writeSection(QStringLiteral("MRU"), keys);
    state.SetComplexityN(state.range(0));
}

void readRecentFiles(benchmark::State &state)
{
    QTemporaryDir folder;
    qm::IniFile ini = preferencesIn(folder);
    ini.writeSection(QStringLiteral("MRU"), recentFiles(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.readSectionLines(QStringLiteral("MRU")));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(writeRecentFiles)->Arg(2000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(readRecentFiles)->Arg(2000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();
