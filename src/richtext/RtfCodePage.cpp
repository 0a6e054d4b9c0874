#include "richtext/RtfCodePage.h"

#include "platform/Cp1252.h"

namespace qm::rtf {
namespace {

constexpr int Windows1252 = 1252;
constexpr int MacRoman = 10000;

bool isDoubleByte(int number)
{
    return number == 932 || number == 936 || number == 949 || number == 950 || number == 1361;
}

QByteArray decoderName(int number)
{
    switch (number) {
    case 932:
        return "windows-31j";
    case MacRoman:
        return "macintosh";
    case 437:
    case 850:
        return "IBM" + QByteArray::number(number);
    default:
        return "windows-" + QByteArray::number(number);
    }
}

} // namespace

CodePage::CodePage(int number)
{
    for (int byte = 0; byte < 256; ++byte)
        m_table[size_t(byte)] = fromCp1252(char(byte)).unicode();
    if (number == Windows1252)
        return;
    QStringDecoder decoder(decoderName(number).constData(), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return;
    if (isDoubleByte(number)) {
        m_decoder = QStringDecoder(decoderName(number).constData());
        return;
    }
    for (int byte = 0x80; byte < 256; ++byte) {
        const char data = char(byte);
        const QString character = decoder.decode(QByteArrayView(&data, 1));
        if (character.size() == 1)
            m_table[size_t(byte)] = character.front().unicode();
    }
}

int CodePage::forCharset(int charset, int ansiCodePage)
{
    switch (charset) {
    case 77:
        return MacRoman;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default: // ANSI, default, symbol and the rest: the document's code page
        return ansiCodePage;
    }
}

} // namespace qm::rtf
