#pragma once

/// Result codes of the rich-text readers and writers, kept in documents and
/// handed to callers as plain numbers.
namespace qm::result {
constexpr int Success = 0;
constexpr int KeywordError = 2; ///< an exception inside an RTF keyword action
constexpr int Failure = 7;      ///< a write error, or an exception while reading or writing
constexpr int NothingToWrite = 8;
} // namespace qm::result
