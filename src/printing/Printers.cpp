#include "printing/Printers.h"

#include "platform/Prompts.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace qm {
namespace {

class DesktopPrinters final : public Printers
{
public:
    bool hasInstalledPrinters() override { return !QPrinterInfo::availablePrinterNames().isEmpty(); }
    bool hasDefaultPrinter() override { return !QPrinterInfo::defaultPrinterName().isEmpty(); }
    bool hasPrinter(const QString &name) override { return QPrinterInfo::availablePrinterNames().contains(name); }

    std::unique_ptr<QPrinter> createPrinter(const QString &name) override
    {
        const QPrinterInfo printer = name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
        return std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
    }

    QMarginsF unprintableMargins(const QPrinter &printer) override
    {
        QPageLayout layout = printer.pageLayout();
        layout.setUnits(QPageLayout::Point);
        return layout.minimumMargins();
    }
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
