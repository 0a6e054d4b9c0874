#pragma once

#include <QString>
#include <QStringDecoder>

#include <array>
#include <memory>

namespace qm::rtf {

/// Turns the bytes of RTF text into characters by a Windows code page (or
/// Mac Roman, 10000), as `\ansicpg`, `\fcharset` and `\mac` choose it.
/// Windows-1252 maps every byte, its five undefined ones to the C1 control of
/// the same value, so that such bytes survive a round trip. A code page that
/// the platform cannot decode is read as Windows-1252.
class CodePage
{
public:
    explicit CodePage(int number);

    /// The code page of the characters written in a font of `charset`
    /// (`\fcharset`); `ansiCodePage` for the ANSI and default character sets.
    static int forCharset(int charset, int ansiCodePage);

    /// The characters that `byte` completes: one for most bytes, none while
    /// the lead byte of a double-byte character waits for its second byte.
    QStringView decode(quint8 byte)
    {
        if (!m_decoder.isValid()) {
            m_output = QChar(m_table[byte]);
            return m_output;
        }
        const char data = char(byte);
        m_output = m_decoder.decode(QByteArrayView(&data, 1));
        return m_output;
    }

private:
    std::array<char16_t, 256> m_table{};
    /// Only double-byte code pages keep a decoder: their characters need state.
    QStringDecoder m_decoder;
    QString m_output;
};

} // namespace qm::rtf
