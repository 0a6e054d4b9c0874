#pragma once

namespace qm {

/// What the program asks the printing system about its printers. The
/// desktop's printers answer unless another query is installed (tests
/// install one that says "no printers" or "no default printer").
class Printers
{
public:
    virtual ~Printers() = default;

    virtual bool hasInstalledPrinters() = 0;
    virtual bool hasDefaultPrinter() = 0;

    /// The query in use.
    static Printers &instance();
    /// Installs `printers` (not owned); nullptr goes back to the desktop's printers.
    static void install(Printers *printers);
};

/// True when the printing system names a default printer.
bool DefaultPrinterSet();

/// True when at least one printer is installed and one is the default;
/// otherwise tells the user that printing is unavailable and returns false.
bool CheckPrinters();

} // namespace qm
