// Reads any bytes as the preferences file "QM.ini" the way the program does,
// then writes a key and the recent-files section into it. Nothing may crash,
// leak or read out of bounds; every byte must survive being read as text and
// written back, and what was written must read back as written.
#include "platform/IniFile.h"
#include "platform/Utf8Escaping.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

const QString &preferencesFile()
{
    // The replay program brings its own application; libFuzzer does not.
    static int argc = 1;
    static char name[] = "PreferencesFileFuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *application = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    Q_UNUSED(application);
    static const QTemporaryDir folder;
    static const QString fileName = folder.filePath(QStringLiteral("QM.ini"));
    return fileName;
}

void readAsTheProgramDoes(const qm::IniFile &ini)
{
    for (const char *section : {"Zooming", "Default Font", "Icons", "Hints", "TCalendarMain_Placement"}) {
        for (const char *key : {"Main", "Size", "Name", "File", "On", "Left", "Right", "Maximized"}) {
            ini.readString(QLatin1String(section), QLatin1String(key), QString());
            ini.readInteger(QLatin1String(section), QLatin1String(key), 0);
            ini.readBool(QLatin1String(section), QLatin1String(key), false);
        }
    }
    for (const QString &line : ini.readSectionLines(QStringLiteral("MRU")))
        check(qm::encodeUtf8Escaped(qm::decodeUtf8Escaped(qm::encodeUtf8Escaped(line))) == qm::encodeUtf8Escaped(line));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    check(qm::encodeUtf8Escaped(qm::decodeUtf8Escaped(bytes)) == bytes);

    const QString &fileName = preferencesFile();
    QFile file(fileName);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    file.close();

    qm::IniFile ini(fileName);
    readAsTheProgramDoes(ini);

    const QString zoom = QStringLiteral("75");
    ini.writeString(QStringLiteral("Zooming"), QStringLiteral("Main"), zoom);
    check(ini.readString(QStringLiteral("Zooming"), QStringLiteral("Main"), QString()) == zoom);

    // The recent files as they were read, newest last now.
    const QStringList recent = ini.readSectionLines(QStringLiteral("MRU"));
    QList<qm::IniFile::KeyValue> keys;
    QStringList expected;
    for (qsizetype k = 0; k < recent.size(); ++k) {
        const QString &line = recent[recent.size() - 1 - k];
        const QString value = line.mid(line.indexOf(u'=') + 1);
        keys.append({QStringLiteral("F%1").arg(k), value});
        expected << QStringLiteral("F%1=%2").arg(k).arg(value);
    }
    ini.writeSection(QStringLiteral("MRU"), keys);
    check(ini.readSectionLines(QStringLiteral("MRU")) == expected);
    check(ini.readString(QStringLiteral("Zooming"), QStringLiteral("Main"), QString()) == zoom);
    return 0;
}
