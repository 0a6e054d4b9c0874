#pragma once

#include "DateTime.h"

#include <QSize>
#include <QString>

#include <optional>

namespace qm {

/// What the program reads from its surroundings: the screen's logical
/// resolution P (pixels per inch), the screen size, the current date and time
/// and the program's folder. Each can be pinned, so that tests and the batch
/// tool get the same answers on every machine.
class Environment
{
public:
    static int screenPixelsPerInch();
    static QSize screenSize();
    static TDateTime now();
    static QDate today();
    /// The executable's folder, ending in a slash.
    static QString programFolder();

    static void pinScreenPixelsPerInch(std::optional<int> pixelsPerInch);
    static void pinScreenSize(std::optional<QSize> size);
    static void pinNow(std::optional<TDateTime> now);
    static void pinProgramFolder(std::optional<QString> folder);
};

} // namespace qm
