#pragma once

#include <QString>

namespace qm::test {

/// The private CUPS server with a virtual PDF printer that the build starts
/// for the tests that print on a real printer (tests/printing/print-server.sh).
class PrintServer
{
public:
    /// Points this process's printing at the server. False when the server
    /// does not run (it needs root): the test should then skip.
    static bool use();
    /// The server's socket: CUPS_SERVER for a process that is to print there.
    static QString socket();
    /// The name of the server's PDF printer, its default.
    static QString printerName();
    /// The PDF that the printer writes for a print whose document is named
    /// `documentName`, once it is whole; empty when none comes within a minute.
    static QString waitForPdf(const QString &documentName);
};

} // namespace qm::test
