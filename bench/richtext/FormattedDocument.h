#pragma once

#include "richtext/QmRTFText.h"

#include <QByteArray>

namespace qm::bench {

/// Fills the empty `document` with formatted paragraphs until their RTF
/// takes about `rtfBytes` bytes: runs in four fonts, five sizes, fifteen
/// colours, bold and italic, paragraphs with changing alignment and indents.
/// The same seed gives the same document every time; lines are filled the
/// way the RTF reader fills them, so the document survives a round trip.
void fillFormattedDocument(TQmRTFText &document, qint64 rtfBytes);

/// `document` written as RTF.
QByteArray writeRtf(const TQmRTFText &document);

/// The RTF of the document that `fillFormattedDocument` makes.
QByteArray formattedDocumentRtf(qint64 rtfBytes);

} // namespace qm::bench
