#include "FormPlacement.h"

#include "platform/Environment.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QWidget>

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

/// What the window frame adds around the client area; nothing before the
/// window has been shown.
QMargins frameMargins(const QWidget *form)
{
    const QRect frame = form->frameGeometry();
    const QRect client = form->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

/// The outer rectangle the window has (or returns to) in its normal state.
QRect normalFrameRect(const QWidget *form)
{
    const bool notNormal = form->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen);
    const QRect client = notNormal && form->normalGeometry().isValid() ? form->normalGeometry() : form->geometry();
    return client.marginsAdded(frameMargins(form));
}

void setFrameRect(QWidget *form, const QRect &frame)
{
    const QRect client = frame.marginsRemoved(frameMargins(form));
    form->move(frame.topLeft());
    form->resize(client.size());
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

} // namespace

void RestoreFormPlacement(QWidget *form)
{
    const QString section = placementSection(form);
    const IniFile ini(IniFileName());
    const bool maximizedNow = form->isMaximized();
    int left = ini.readInteger(section, QStringLiteral("Left"), 0);
    int top = ini.readInteger(section, QStringLiteral("Top"), 0);
    int right = ini.readInteger(section, QStringLiteral("Right"), 0);
    int bottom = ini.readInteger(section, QStringLiteral("Bottom"), 0);
    const bool maximized = ini.readBool(section, QStringLiteral("Maximized"), maximizedNow);

    if (bottom == 0) {
        CenterForm(form);
    } else {
        // Only the right and bottom edges are pulled back: a window that
        // hangs off at the left or top can still be grabbed by its title.
        const QSize screen = Environment::screenSize();
        if (right > screen.width()) {
            left -= right - screen.width();
            right = screen.width();
        }
        if (bottom > screen.height()) {
            top -= bottom - screen.height();
            bottom = screen.height();
        }
        setFrameRect(form, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    }
    if (maximized)
        form->setWindowState(form->windowState() | Qt::WindowMaximized);
    SaveFormPlacement(form);
}

void SaveFormPlacement(QWidget *form)
{
    const QString section = placementSection(form);
    const QRect rect = normalFrameRect(form);
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
        form->move(centredIn(QRect(QPoint(0, 0), Environment::screenSize()), size));

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
