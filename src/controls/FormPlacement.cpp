#include "FormPlacement.h"

#include "platform/Environment.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <optional>

namespace qm {
namespace {

QString placementSection(const QWidget *form)
{
    QString section = QString::fromLatin1(form->metaObject()->className()) + QStringLiteral("_Placement");
    const int pixelsPerInch = Environment::screenPixelsPerInch();
    if (pixelsPerInch > 96)
        section += QString::number(pixelsPerInch);
    return section;
}

bool isNormal(const QWidget *form)
{
    return !(form->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

/// The client rectangle the window has (or returns to) in its normal state.
/// The client area, not the frame: a window is placed at its first
/// activation, before the window manager has told Qt how wide its frame is,
/// and a frame rectangle put back then would make the window grow by the
/// frame and creep up by its title bar at every start.
QRect normalRect(const QWidget *form)
{
    return !isNormal(form) && form->normalGeometry().isValid() ? form->normalGeometry() : form->geometry();
}

bool isMainWindow(const QWidget *form)
{
    return QString::fromLatin1(form->metaObject()->className()).toUpper() == QLatin1String("TCALENDARMAIN");
}

QWidget *mainWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto found = std::find_if(windows.cbegin(), windows.cend(), isMainWindow);
    return found == windows.cend() ? nullptr : *found;
}

QPoint centredIn(const QRect &area, const QSize &size)
{
    return {area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2};
}

/// The start of a span of `length` that begins at `start` if it can and lies
/// within [areaStart, areaStart + areaLength) as far as it fits: a span that
/// sticks out at the end is pulled back, one that starts before the area is
/// pushed in.
qint64 keptWithin(qint64 start, qint64 length, qint64 areaStart, qint64 areaLength)
{
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

/// A stored rectangle, edges as the file gives them, made to fit the screen:
/// no larger than it, and on it. The arithmetic is done in 64 bits, since the
/// file may hold any pair of 32-bit edges. Nothing when the rectangle has no
/// area to show.
std::optional<QRect> fittedOnScreen(qint64 left, qint64 top, qint64 right, qint64 bottom, const QRect &screen)
{
    if (right <= left || bottom <= top)
        return std::nullopt;
    const qint64 width = std::min<qint64>(right - left, screen.width());
    const qint64 height = std::min<qint64>(bottom - top, screen.height());
    return QRect(int(keptWithin(left, width, screen.left(), screen.width())),
                 int(keptWithin(top, height, screen.top(), screen.height())), int(width), int(height));
}

/// Moves `form` as far as needed to show it whole on the screen, or at least
/// its top left corner, where its title bar is.
void keepOnScreen(QWidget *form)
{
    const QRect screen = Environment::availableScreenRect();
    const QRect frame = form->frameGeometry();
    form->move(int(keptWithin(frame.left(), frame.width(), screen.left(), screen.width())),
               int(keptWithin(frame.top(), frame.height(), screen.top(), screen.height())));
}

/// The client rectangle whose frame, of the widths the window manager has
/// told, fits the screen as a stored rectangle does: a window is placed by its
/// client area, and one as large as the screen, or pushed onto it at the top,
/// would have its title bar above the screen, out of the user's reach.
QRect clientFittedByFrame(const QRect &client, const QMargins &frameWidths)
{
    const QRect frame = client.marginsAdded(frameWidths);
    const std::optional<QRect> fitted =
        fittedOnScreen(frame.left(), frame.top(), qint64(frame.left()) + frame.width(),
                       qint64(frame.top()) + frame.height(), Environment::availableScreenRect());
    return fitted ? fitted->marginsRemoved(frameWidths) : client;
}

/// Fits the frame of `form` on the screen as soon as the window manager has
/// framed the shown window. No event says when that is, so this asks until it
/// knows, for a while: without a window manager there is no frame. The fit
/// starts from where the window was put, not from where Qt last saw it: the
/// window manager may still report an older placement.
void fitFrameOnScreenWhenKnown(QWidget *form)
{
    using namespace std::chrono_literals;
    auto *poll = new QTimer(form);
    poll->setInterval(20ms);
    const QDeadlineTimer deadline(3s);
    QObject::connect(poll, &QTimer::timeout, form, [form, poll, deadline, placed = form->geometry()] {
        const bool normal = isNormal(form);
        const QWindow *window = form->isVisible() ? form->windowHandle() : nullptr;
        const QMargins frameWidths = window ? window->frameMargins() : QMargins();
        const bool framed = !frameWidths.isNull();
        if (normal && framed) {
            const QRect fitted = clientFittedByFrame(placed, frameWidths);
            if (fitted != placed)
                form->setGeometry(fitted);
        }
        if (!normal || framed || deadline.hasExpired()) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start();
}

} // namespace

void RestoreFormPlacement(QWidget *form)
{
    const QString section = placementSection(form);
    const IniFile ini(IniFileName());
    const bool maximizedNow = form->isMaximized();
    const int left = ini.readInteger(section, QStringLiteral("Left"), 0);
    const int top = ini.readInteger(section, QStringLiteral("Top"), 0);
    const int right = ini.readInteger(section, QStringLiteral("Right"), 0);
    const int bottom = ini.readInteger(section, QStringLiteral("Bottom"), 0);
    const bool maximized = ini.readBool(section, QStringLiteral("Maximized"), maximizedNow);

    // A window larger than the screen or off it would look like no window at
    // all, with the first message it shows off the screen too.
    const std::optional<QRect> stored =
        bottom == 0 ? std::nullopt : fittedOnScreen(left, top, right, bottom, Environment::availableScreenRect());
    if (stored)
        form->setGeometry(*stored);
    else
        CenterForm(form);
    if (maximized)
        form->setWindowState(form->windowState() | Qt::WindowMaximized);
    fitFrameOnScreenWhenKnown(form);
    SaveFormPlacement(form);
}

void SaveFormPlacement(QWidget *form)
{
    const QString section = placementSection(form);
    const QRect rect = normalRect(form);
    IniFile ini(IniFileName());
    ini.writeInteger(section, QStringLiteral("Left"), rect.left());
    ini.writeInteger(section, QStringLiteral("Top"), rect.top());
    ini.writeInteger(section, QStringLiteral("Right"), rect.left() + rect.width());
    ini.writeInteger(section, QStringLiteral("Bottom"), rect.top() + rect.height());
    ini.writeBool(section, QStringLiteral("Maximized"), form->isMaximized());
}

void CenterForm(QWidget *form)
{
    const QSize size = form->frameGeometry().size();
    const QWidget *main = isMainWindow(form) ? nullptr : mainWindow();
    if (main && main->isVisible() && !main->isMaximized())
        form->move(centredIn(main->frameGeometry(), size));
    else
        form->move(centredIn(Environment::availableScreenRect(), size));
    keepOnScreen(form);

    // A window that can be maximised also gets its system menu.
    const Qt::WindowFlags flags = form->windowFlags();
    if ((flags & Qt::WindowMaximizeButtonHint) && !(flags & Qt::WindowSystemMenuHint)) {
        const bool wasVisible = form->isVisible();
        form->setWindowFlag(Qt::WindowSystemMenuHint);
        if (wasVisible)
            form->show();
    }
}

} // namespace qm
