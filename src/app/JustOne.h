#pragma once

#include <QString>

class TPreviousInstance;

/// The second start's side of the single-instance rule: when another start
/// runs, hands it the file to open (or nothing, to only bring its window
/// forward). When the running start answered, the caller ends the program
/// before showing any window; when it did not, the caller starts as usual.
class TJustOne
{
public:
    /// How long a start waits for the running one to answer, from the first
    /// attempt to connect.
    static constexpr int answerTimeoutMilliseconds = 2000;

    /// Does nothing unless `previous` reports a running start. `fileName` is
    /// made absolute first, since the running start has another working folder.
    TJustOne(const TPreviousInstance &previous, const QString &fileName);

    /// True when the running start answered that it received the request.
    bool HandedOver() const { return m_handedOver; }

private:
    bool m_handedOver = false;
};
