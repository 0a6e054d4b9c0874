#pragma once

#include <QMarginsF>
#include <QString>

#include <memory>

class QPrinter;

namespace qm {

/// What the program asks the printing system about its printers. The
/// desktop's printers (CUPS, through Qt) answer unless another query is
/// installed: tests install printers that write PDF files and whose
/// unprintable border they choose.
class Printers
{
public:
    virtual ~Printers() = default;

    virtual bool hasInstalledPrinters() = 0;
    virtual bool hasDefaultPrinter() = 0;
    virtual bool hasPrinter(const QString &name) = 0;
    /// A printer object for the printer `name`, or for the default printer
    /// when `name` is empty, printing at the printer's high resolution.
    virtual std::unique_ptr<QPrinter> createPrinter(const QString &name) = 0;
    /// The border of the printer's current paper, in points, that the
    /// printer cannot print on.
    virtual QMarginsF unprintableMargins(const QPrinter &printer) = 0;

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
