#include "calendar/CellStream.h"

#include "calendar/ValueReader.h"
#include "calendar/ValueWriter.h"
#include "platform/QmError.h"
#include "richtext/QmRtfStorage.h"

namespace qm {
namespace {

constexpr QByteArrayView kSignature = "TPF0";
// The class tag documents have always carried for a cell store, whatever the
// class is called in this code; files without it would not open elsewhere.
constexpr QByteArrayView kClassTag = "TWPRtfStorage";
constexpr QByteArrayView kTextProperty = "RtfText.Data";

} // namespace

void writeCellStream(ValueWriter &writer, const TQmRtfStorage &cell)
{
    writer.writeBytes(kSignature);
    writer.writeShortString(kClassTag);
    writer.writeShortString({}); // cells have no name
    const QByteArray data = cell.RtfText().writeDataProperty();
    if (!data.isEmpty()) {
        writer.writeShortString(kTextProperty);
        writer.writeBinary(data);
    }
    writer.writeListEnd(); // properties
    writer.writeListEnd(); // child components
}

void readCellStream(ValueReader &reader, TQmRtfStorage &cell)
{
    if (reader.readBytes(kSignature.size()) != kSignature)
        throw QmError(QStringLiteral("Invalid stream format"));
    reader.readShortString(); // class tag: any store class reads the same
    reader.readShortString(); // name: cells have none that matters
    for (QByteArray property = reader.readShortString(); !property.isEmpty(); property = reader.readShortString()) {
        if (property != kTextProperty || reader.readByte() != quint8(ValueTag::Binary))
            ValueReader::invalidPropertyValue();
        // The whole payload is read before the cell is touched, so a file that
        // ends inside it leaves the cell's old text.
        cell.RtfText().readDataProperty(reader.readBinaryData());
    }
    reader.readListEnd(); // no child components
}

} // namespace qm
