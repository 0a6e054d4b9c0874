#pragma once

class TQmRtfStorage;

namespace qm {

class ValueReader;
class ValueWriter;

/// A cell store as calendar documents embed it: a complete component stream
/// ("TPF0", the store's class tag, an empty name, the "RtfText.Data" property
/// when the cell has text, and two ends of list). An empty cell is 21 bytes.
void writeCellStream(ValueWriter &writer, const TQmRtfStorage &cell);

/// Reads one cell stream into `cell`. A cell stream without text leaves the
/// cell's document as it was. Raises "Invalid stream format" when the stream
/// does not start with "TPF0", "Invalid property value" for any property but
/// a binary "RtfText.Data" or a missing end of list, the reader's errors, and
/// whatever reading the RTF raises (the cell is then left empty).
void readCellStream(ValueReader &reader, TQmRtfStorage &cell);

} // namespace qm
