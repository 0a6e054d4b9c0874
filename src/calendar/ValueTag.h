#pragma once

#include <QtGlobal>

namespace qm {

/// The one-byte tag in front of every value of a calendar document or style
/// sheet. Numbers after a tag are little-endian two's complement.
enum class ValueTag : quint8 {
    EndOfList = 0,
    ListStart = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    String = 6, // 1 length byte, then the bytes
    False = 8,
    True = 9,
    Binary = 10,     // 4 length bytes, then the bytes
    LongString = 12, // 4 length bytes, then the bytes
};

} // namespace qm
