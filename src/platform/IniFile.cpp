#include "IniFile.h"

#include "AtomicWrite.h"
#include "QmError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace qm {
namespace {

/// The file as lines, and the line break it uses, so that a rewrite keeps both.
struct Contents {
    QStringList lines;
    QString lineBreak = QStringLiteral("\n");
};

Contents load(const QString &fileName)
{
    Contents contents;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return contents;
    const QString text = QString::fromUtf8(file.readAll());
    if (text.contains(QLatin1String("\r\n")))
        contents.lineBreak = QStringLiteral("\r\n");
    contents.lines = text.split(u'\n');
    for (QString &line : contents.lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    // A final line break leaves one empty piece behind; it is not a line.
    if (!contents.lines.isEmpty() && contents.lines.constLast().isEmpty())
        contents.lines.removeLast();
    return contents;
}

void save(const QString &fileName, const Contents &contents)
{
    const QString failure = QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(fileName));
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        throw QmError(failure);
    QString text;
    for (const QString &line : contents.lines)
        text += line + contents.lineBreak;
    try {
        writeFileAtomically(fileName, text.toUtf8());
    } catch (const QmError &) {
        throw QmError(failure);
    }
}

std::optional<QString> sectionNameOf(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype end = trimmed.indexOf(u']');
    return trimmed.mid(1, end < 0 ? -1 : end - 1).trimmed();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

/// The lines of a section: from its header (excluded) up to the next header.
struct SectionRange {
    qsizetype header = -1;
    qsizetype end = -1;
};

std::optional<SectionRange> findSection(const QStringList &lines, const QString &section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = sectionNameOf(lines[i]);
        if (!name || !sameName(*name, section))
            continue;
        SectionRange range{i, i + 1};
        while (range.end < lines.size() && !sectionNameOf(lines[range.end]))
            ++range.end;
        return range;
    }
    return std::nullopt;
}

bool isContentLine(const QString &line)
{
    const QString trimmed = line.trimmed();
    return !trimmed.isEmpty() && !trimmed.startsWith(u';');
}

/// Index of the line holding `key` inside `range`.
std::optional<qsizetype> findKey(const QStringList &lines, const SectionRange &range, const QString &key)
{
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const qsizetype equals = lines[i].indexOf(u'=');
        if (equals >= 0 && isContentLine(lines[i]) && sameName(lines[i].left(equals).trimmed(), key))
            return i;
    }
    return std::nullopt;
}

std::optional<QString> readValue(const QString &fileName, const QString &section, const QString &key)
{
    const Contents contents = load(fileName);
    const std::optional<SectionRange> range = findSection(contents.lines, section);
    if (!range)
        return std::nullopt;
    const std::optional<qsizetype> line = findKey(contents.lines, *range, key);
    if (!line)
        return std::nullopt;
    const QString &text = contents.lines[*line];
    return text.mid(text.indexOf(u'=') + 1).trimmed();
}

std::optional<int> parseInteger(const QString &text)
{
    bool ok = false;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        // Hexadecimal values name bit patterns, such as colours: 0xFFFFFFFF is -1.
        const uint value = text.mid(2).toUInt(&ok, 16);
        return ok ? std::optional<int>(int(value)) : std::nullopt;
    }
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

IniFile::IniFile(QString fileName)
    : m_fileName(std::move(fileName))
{}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return readValue(m_fileName, section, key).value_or(defaultValue).left(maxStringLength);
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const std::optional<QString> text = readValue(m_fileName, section, key);
    return text ? parseInteger(*text).value_or(defaultValue) : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QStringList IniFile::readSectionLines(const QString &section) const
{
    const Contents contents = load(m_fileName);
    QStringList result;
    if (const std::optional<SectionRange> range = findSection(contents.lines, section)) {
        for (qsizetype i = range->header + 1; i < range->end; ++i) {
            if (isContentLine(contents.lines[i]))
                result << contents.lines[i].trimmed();
        }
    }
    return result;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Contents contents = load(m_fileName);
    const QString line = key + u'=' + value;
    const std::optional<SectionRange> range = findSection(contents.lines, section);
    if (!range) {
        contents.lines << u'[' + section + u']' << line;
    } else if (const std::optional<qsizetype> existing = findKey(contents.lines, *range, key)) {
        contents.lines[*existing] = line;
    } else {
        // After the last line with content, so that a blank line before the
        // next section stays where it is.
        qsizetype insertAt = range->end;
        while (insertAt > range->header + 1 && contents.lines[insertAt - 1].trimmed().isEmpty())
            --insertAt;
        contents.lines.insert(insertAt, line);
    }
    save(m_fileName, contents);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::eraseSection(const QString &section)
{
    Contents contents = load(m_fileName);
    const std::optional<SectionRange> range = findSection(contents.lines, section);
    if (!range)
        return;
    contents.lines.remove(range->header, range->end - range->header);
    save(m_fileName, contents);
}

} // namespace qm
