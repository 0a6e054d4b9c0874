#pragma once

#include <QString>

class TPreviousInstance;

/// The second start's side of the single-instance rule: when another start
/// runs, hands it the file to open (or nothing, to only bring its window
/// forward). The caller then ends the program before showing any window.
class TJustOne
{
public:
    /// Does nothing unless `previous` reports a running start. `fileName` is
    /// made absolute first, since the running start has another working folder.
    TJustOne(const TPreviousInstance &previous, const QString &fileName);

    /// True when the running start received the request.
    bool HandedOver() const { return m_handedOver; }

private:
    bool m_handedOver = false;
};
