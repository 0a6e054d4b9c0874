#pragma once

#include "richtext/QmRTFTextIo.h"

#include <memory>

/// Holds the rich text of one calendar cell for the cell's whole life.
class TQmRtfStorage
{
public:
    TQmRtfStorage();
    ~TQmRtfStorage();
    TQmRtfStorage(const TQmRtfStorage &) = delete;
    TQmRtfStorage &operator=(const TQmRtfStorage &) = delete;

    /// The owned document itself, not a copy.
    TQmRTFTextIo &RtfText() { return *m_text; }
    const TQmRTFTextIo &RtfText() const { return *m_text; }
    /// Copies `source` into the owned document.
    void SetRtfText(const TQmRTFTextIo &source) { m_text->Assign(source); }

private:
    std::unique_ptr<TQmRTFTextIo> m_text;
};
