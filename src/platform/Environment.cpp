#include "Environment.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QScreen>

namespace qm {
namespace {

struct Pins {
    std::optional<int> pixelsPerInch;
    std::optional<QSize> screenSize;
    std::optional<TDateTime> now;
    std::optional<QTimeZone> timeZone;
    std::optional<QString> programFolder;
};

Pins &pins()
{
    static Pins instance;
    return instance;
}

QScreen *primaryScreen()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
}

} // namespace

int Environment::screenPixelsPerInch()
{
    if (pins().pixelsPerInch)
        return *pins().pixelsPerInch;
    if (QScreen *screen = primaryScreen())
        return qRound(screen->logicalDotsPerInchY());
    return 96;
}

QRect Environment::availableScreenRect()
{
    if (pins().screenSize)
        return QRect(QPoint(0, 0), *pins().screenSize);
    if (QScreen *screen = primaryScreen())
        return screen->availableGeometry();
    return QRect(0, 0, 1024, 768);
}

TDateTime Environment::now()
{
    if (pins().now)
        return *pins().now;
    return fromQDateTime(QDateTime::currentDateTime());
}

QDate Environment::today()
{
    return toQDate(now());
}

QTimeZone Environment::timeZone()
{
    if (pins().timeZone)
        return *pins().timeZone;
    return QTimeZone::systemTimeZone();
}

QString Environment::programFolder()
{
    if (pins().programFolder)
        return *pins().programFolder;
    QString folder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

void Environment::pinScreenPixelsPerInch(std::optional<int> pixelsPerInch)
{
    pins().pixelsPerInch = pixelsPerInch;
}
void Environment::pinScreenSize(std::optional<QSize> size)
{
    pins().screenSize = size;
}
void Environment::pinNow(std::optional<TDateTime> now)
{
    pins().now = now;
}
void Environment::pinTimeZone(std::optional<QTimeZone> zone)
{
    pins().timeZone = std::move(zone);
}
void Environment::pinProgramFolder(std::optional<QString> folder)
{
    pins().programFolder = std::move(folder);
}

} // namespace qm
