#include "Printers.h"

#include "platform/Prompts.h"

#include <QPrinterInfo>

namespace qm {
namespace {

class DesktopPrinters final : public Printers
{
public:
    bool hasInstalledPrinters() override { return !QPrinterInfo::availablePrinterNames().isEmpty(); }
    bool hasDefaultPrinter() override { return !QPrinterInfo::defaultPrinterName().isEmpty(); }
};

Printers *&installed()
{
    static Printers *printers = nullptr;
    return printers;
}

} // namespace

Printers &Printers::instance()
{
    static DesktopPrinters desktop;
    return installed() ? *installed() : desktop;
}

void Printers::install(Printers *printers)
{
    installed() = printers;
}

bool DefaultPrinterSet()
{
    return Printers::instance().hasDefaultPrinter();
}

bool CheckPrinters()
{
    if (!Printers::instance().hasInstalledPrinters()) {
        Prompts::instance().ShowInformation(
            QStringLiteral("There are no installed printers.\r\nUnable to perform printer related operations"));
        return false;
    }
    if (!DefaultPrinterSet()) {
        Prompts::instance().ShowInformation(
            QStringLiteral("There is no default printer selected.\r\nUnable to perform printer related operations"));
        return false;
    }
    return true;
}

} // namespace qm
