#include "IniFile.h"

#include "AtomicWrite.h"
#include "QmError.h"
#include "Utf8Escaping.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace qm {
namespace {

/// The file as the bytes it holds, cut into lines that keep their own line
/// breaks, so that putting them together again gives back the file.
struct Contents {
    /// Each line with the break that ends it; the last one may have none.
    QList<QByteArray> lines;
    /// The break of the lines we add: the one the file uses.
    QByteArray lineBreak = "\n";
};

Contents load(const QString &fileName)
{
    Contents contents;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return contents;
    const QByteArray bytes = file.readAll();
    if (bytes.contains("\r\n"))
        contents.lineBreak = "\r\n";
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        contents.lines << bytes.sliced(start, next - start);
        start = next;
    }
    return contents;
}

void save(const QString &fileName, const Contents &contents)
{
    const QString failure = QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(fileName));
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        throw QmError(failure);
    try {
        writeFileAtomically(fileName, contents.lines.join());
    } catch (const QmError &) {
        throw QmError(failure);
    }
}

/// A line without its line break.
QByteArrayView textOf(const QByteArray &line)
{
    QByteArrayView text(line);
    if (text.endsWith('\n'))
        text.chop(1);
    if (text.endsWith('\r'))
        text.chop(1);
    return text;
}

std::optional<QByteArrayView> sectionNameOf(const QByteArray &line)
{
    const QByteArrayView trimmed = textOf(line).trimmed();
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype end = trimmed.indexOf(']');
    return trimmed.sliced(1, (end < 0 ? trimmed.size() : end) - 1).trimmed();
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

/// The lines of a section: from its header (excluded) up to the next header.
struct SectionRange {
    qsizetype header = -1;
    qsizetype end = -1;
};

std::optional<SectionRange> findSection(const QList<QByteArray> &lines, QByteArrayView section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QByteArrayView> name = sectionNameOf(lines[i]);
        if (!name || !sameName(*name, section))
            continue;
        SectionRange range{i, i + 1};
        while (range.end < lines.size() && !sectionNameOf(lines[range.end]))
            ++range.end;
        return range;
    }
    return std::nullopt;
}

bool isBlank(const QByteArray &line)
{
    return textOf(line).trimmed().isEmpty();
}

bool isComment(const QByteArray &line)
{
    return textOf(line).trimmed().startsWith(';');
}

bool isContentLine(const QByteArray &line)
{
    return !isBlank(line) && !isComment(line);
}

/// Index of the line holding `key` inside `range`.
std::optional<qsizetype> findKey(const QList<QByteArray> &lines, const SectionRange &range, QByteArrayView key)
{
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const QByteArrayView text = textOf(lines[i]);
        const qsizetype equals = text.indexOf('=');
        if (equals >= 0 && isContentLine(lines[i]) && sameName(text.first(equals).trimmed(), key))
            return i;
    }
    return std::nullopt;
}

/// Where a new key of the section goes: after its last line that is not
/// blank, so that a blank line before the next section stays where it is.
qsizetype endOfContent(const QList<QByteArray> &lines, const SectionRange &range)
{
    qsizetype position = range.end;
    while (position > range.header + 1 && isBlank(lines[position - 1]))
        --position;
    return position;
}

/// Inserts the lines at `position`; at the end of a file whose last line has
/// no line break, that line gets one first.
void insertLines(Contents &contents, qsizetype position, const QList<QByteArray> &lines)
{
    if (position == contents.lines.size() && position > 0 && !contents.lines.constLast().endsWith('\n'))
        contents.lines.last() += contents.lineBreak;
    for (const QByteArray &line : lines)
        contents.lines.insert(position++, line + contents.lineBreak);
}

QByteArray keyLine(const QString &key, const QString &value)
{
    return encodeUtf8Escaped(key) + '=' + encodeUtf8Escaped(value);
}

QByteArray headerLine(const QString &section)
{
    return '[' + encodeUtf8Escaped(section) + ']';
}

std::optional<QByteArray> readValue(const QString &fileName, const QString &section, const QString &key)
{
    const Contents contents = load(fileName);
    const std::optional<SectionRange> range = findSection(contents.lines, encodeUtf8Escaped(section));
    if (!range)
        return std::nullopt;
    const std::optional<qsizetype> line = findKey(contents.lines, *range, encodeUtf8Escaped(key));
    if (!line)
        return std::nullopt;
    const QByteArrayView text = textOf(contents.lines[*line]);
    return text.sliced(text.indexOf('=') + 1).trimmed().toByteArray();
}

std::optional<int> parseInteger(const QByteArray &text)
{
    bool ok = false;
    if (text.startsWith("0x") || text.startsWith("0X")) {
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
    const std::optional<QByteArray> value = readValue(m_fileName, section, key);
    return (value ? decodeUtf8Escaped(*value) : defaultValue).left(maxStringLength);
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const std::optional<QByteArray> text = readValue(m_fileName, section, key);
    return text ? parseInteger(*text).value_or(defaultValue) : defaultValue;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue, int lowest, int highest) const
{
    const int value = readInteger(section, key, defaultValue);
    return value >= lowest && value <= highest ? value : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QStringList IniFile::readSectionLines(const QString &section) const
{
    const Contents contents = load(m_fileName);
    QStringList result;
    if (const std::optional<SectionRange> range = findSection(contents.lines, encodeUtf8Escaped(section))) {
        for (qsizetype i = range->header + 1; i < range->end; ++i) {
            if (isContentLine(contents.lines[i]))
                result << decodeUtf8Escaped(textOf(contents.lines[i]).trimmed());
        }
    }
    return result;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Contents contents = load(m_fileName);
    const QByteArray line = keyLine(key, value);
    const std::optional<SectionRange> range = findSection(contents.lines, encodeUtf8Escaped(section));
    if (!range) {
        insertLines(contents, contents.lines.size(), {headerLine(section), line});
    } else if (const std::optional<qsizetype> existing = findKey(contents.lines, *range, encodeUtf8Escaped(key))) {
        QByteArray &replaced = contents.lines[*existing];
        replaced = line + replaced.sliced(textOf(replaced).size());
    } else {
        insertLines(contents, endOfContent(contents.lines, *range), {line});
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

void IniFile::writeSection(const QString &section, const QList<KeyValue> &keys)
{
    Contents contents = load(m_fileName);
    QList<QByteArray> lines;
    lines.reserve(keys.size());
    for (const auto &[key, value] : keys)
        lines << keyLine(key, value);
    const std::optional<SectionRange> range = findSection(contents.lines, encodeUtf8Escaped(section));
    if (!range) {
        if (lines.isEmpty())
            return;
        lines.prepend(headerLine(section));
        insertLines(contents, contents.lines.size(), lines);
        save(m_fileName, contents);
        return;
    }

    const auto first = contents.lines.cbegin() + range->header + 1;
    const auto last = contents.lines.cbegin() + range->end;
    if (std::none_of(first, last, isContentLine)) {
        insertLines(contents, endOfContent(contents.lines, *range), lines);
    } else {
        // The keys take the place of the section's first key; comments and
        // blank lines keep their order around them.
        QList<QByteArray> rebuilt(contents.lines.cbegin(), first);
        rebuilt.reserve(contents.lines.size() + lines.size());
        bool placed = false;
        for (auto line = first; line != last; ++line) {
            if (!isContentLine(*line)) {
                rebuilt << *line;
            } else if (!placed) {
                for (const QByteArray &key : lines)
                    rebuilt << key + contents.lineBreak;
                placed = true;
            }
        }
        rebuilt.append(QList<QByteArray>(last, contents.lines.cend()));
        contents.lines = std::move(rebuilt);
    }
    save(m_fileName, contents);
}

} // namespace qm
