#include "QuillmarkApplication.h"

#include "platform/Prompts.h"
#include "platform/QmError.h"

QuillmarkApplication::QuillmarkApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // The name captions the report of unhandled failures and names the
    // user's configuration folder.
    setApplicationName(QStringLiteral("Quillmark"));
    setDesktopFileName(QStringLiteral("quillmark"));
}

bool QuillmarkApplication::notify(QObject *receiver, QEvent *event)
{
    return reportFailures([&] { return QApplication::notify(receiver, event); });
}

bool QuillmarkApplication::reportFailures(const std::function<bool()> &deliver)
{
    try {
        return deliver();
    } catch (const QmError &error) {
        qm::Prompts::instance().showError(error.message());
    } catch (const std::exception &error) {
        qm::Prompts::instance().showError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}
