#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

class QMimeData;

// The clipboard flavours of rich text: RTF under the registered name "Rich
// Text Format" and under the MIME types other Linux programs use, and
// Unicode plain text beside it.

namespace qm {

/// The names RTF is offered and accepted under, in order of preference.
inline constexpr const char *RtfMimeTypes[] = {"text/rtf", "application/rtf", "Rich Text Format"};

/// Clipboard data holding `rtf` (followed by four zero bytes, which readers
/// of the registered format expect) under every RTF name, and `text`.
std::unique_ptr<QMimeData> richTextMimeData(const QByteArray &rtf, const QString &text);

/// The RTF of `data` up to its first zero byte, from the first RTF name it
/// offers; nothing when it offers none.
std::optional<QByteArray> rtfFromMimeData(const QMimeData &data);

} // namespace qm
