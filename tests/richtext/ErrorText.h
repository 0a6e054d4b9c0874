#pragma once

#include "platform/QmError.h"

#include <functional>
#include <string>

namespace qm::test {

/// The message of the QmError that `action` raises, or "no error".
inline std::string errorText(const std::function<void()> &action)
{
    try {
        action();
    } catch (const QmError &error) {
        return error.message().toStdString();
    }
    return "no error";
}

} // namespace qm::test
