#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace qm {

/// A settings file of the common "ini" form: sections introduced by a line
/// "[Name]", followed by "key=value" lines.
///
/// Every call reads the file afresh, and every write changes only the keys it
/// writes: every other byte of the file stays as it stands (comments, unknown
/// sections, a second section of the same name, keys written by hand, text in
/// any character set). Values are read as UTF-8 where they are valid UTF-8 and
/// byte for byte otherwise (see Utf8Escaping.h), so a value read and written
/// back keeps its bytes. Section and key names compare without regard to
/// letter case; of two sections with the same name, the first one counts. A
/// missing file, section or key reads as the given default.
class IniFile
{
public:
    /// Longest string a read returns; longer values are cut.
    static constexpr int maxStringLength = 1023;

    /// A key and its value, as written by writeSection.
    using KeyValue = std::pair<QString, QString>;

    explicit IniFile(QString fileName);

    const QString &fileName() const { return m_fileName; }

    /// The value of `key` in `section`, without surrounding blanks, cut to
    /// maxStringLength characters; `defaultValue` when the key is missing.
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    /// A decimal integer (with an optional sign) or a hexadecimal one written
    /// "0x..."; `defaultValue` when the key is missing or not an integer.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    /// An integer key whose value outside [lowest, highest] (written by hand,
    /// or damaged) reads as `defaultValue`, as a missing one does.
    int readInteger(const QString &section, const QString &key, int defaultValue, int lowest, int highest) const;
    /// Any integer other than 0 is true; `defaultValue` when the key is
    /// missing or not an integer.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    /// The lines of `section` in file order, blanks around them removed, blank
    /// lines and ";" comments left out; empty when the section is missing.
    QStringList readSectionLines(const QString &section) const;

    /// Sets `key` in `section`: the key's line is replaced where it stands, a
    /// new key goes after the section's last line, a new section at the end of
    /// the file. Missing folders are created.
    /// Throws QmError "Unable to write to <path>" when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    /// Writes the value in decimal.
    void writeInteger(const QString &section, const QString &key, int value);
    /// Writes "1" or "0".
    void writeBool(const QString &section, const QString &key, bool value);
    /// Makes `keys` the whole content of `section`, in one write of the file:
    /// the section's lines other than comments and blank lines go, and `keys`
    /// take the place of the first of them. The header stays even when no key
    /// is left, so that a later section of the same name does not come to
    /// count instead; a missing section is added at the end of the file when
    /// there are keys to write.
    /// Throws QmError "Unable to write to <path>" when the file cannot be written.
    void writeSection(const QString &section, const QList<KeyValue> &keys);

private:
    QString m_fileName;
};

} // namespace qm
