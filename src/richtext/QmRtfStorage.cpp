#include "richtext/QmRtfStorage.h"

TQmRtfStorage::TQmRtfStorage()
    : m_text(std::make_unique<TQmRTFTextIo>())
{}

TQmRtfStorage::~TQmRtfStorage() = default;
