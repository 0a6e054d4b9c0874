#include "support/TestEnvironment.h"

#include "platform/Environment.h"

#include <QLocale>
#include <QTimeZone>

namespace qm::test {

TDateTime fixedNow()
{
    return EncodeDate(2026, 3, 31) + EncodeTime(10, 15, 0, 0);
}

void prepareHeadlessPlatform()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

void pinTestEnvironment()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Environment::pinScreenPixelsPerInch(96);
    Environment::pinScreenSize(QSize(1280, 1024));
    Environment::pinNow(fixedNow());
    Environment::pinTimeZone(QTimeZone("Europe/Berlin"));
}

} // namespace qm::test
