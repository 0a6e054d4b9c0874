#include "QuillmarkProgram.h"

#include "CalendarMain.h"
#include "JustOne.h"
#include "PreviousInstance.h"

#include "controls/BusyCursor.h"

#include <QApplication>

namespace {

/// The document named on the command line: the first argument that is not an option.
QString documentArgument(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(u'-'))
            return arguments[i];
    }
    return {};
}

} // namespace

int RunQuillmark(QApplication &application)
{
    const QString document = documentArgument(QApplication::arguments());
    TPreviousInstance previous;
    // A running start that does not answer may be hung: this one then shows
    // its own window rather than ending without a word.
    if (previous.PreviousRunning() && TJustOne(previous, document).HandedOver())
        return 0;
    TCalendarMain window;
    window.SetStartFile(document);
    QObject::connect(&previous, &TPreviousInstance::handOverReceived, &window, &TCalendarMain::HandOver);
    window.show();
    qm::EndBusy();
    return application.exec();
}
