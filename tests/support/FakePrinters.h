#pragma once

#include "printing/Printers.h"

#include <QPrinter>

namespace qm::test {

/// Printers a test answers for: whether any is installed and one is the
/// default, and printers that write the page into a PDF file in
/// `outputFolder` and cannot print on a border of `unprintableInches`.
struct FakePrinters final : Printers {
    bool installed = true;
    bool hasDefault = true;
    QString outputFolder;
    QMarginsF unprintableInches;

    static QString printerName() { return QStringLiteral("Fake"); }
    /// The file the printers made so far print into.
    QString outputFile() const { return outputFolder + QStringLiteral("/printed.pdf"); }

    bool hasInstalledPrinters() override { return installed; }
    bool hasDefaultPrinter() override { return hasDefault; }
    bool hasPrinter(const QString &name) override { return installed && name == printerName(); }
    std::unique_ptr<QPrinter> createPrinter(const QString &) override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(outputFile());
        return printer;
    }
    QMarginsF unprintableMargins(const QPrinter &) override { return unprintableInches * pointsPerInch; }

    static constexpr double pointsPerInch = 72;
};

} // namespace qm::test
