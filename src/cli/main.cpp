// quillmark-cli: Quillmark's batch tool. Each command lives in a file of its
// own; adding one is a line in the table below.
#include "cli/CliCommand.h"
#include "platform/QmError.h"

#include <QGuiApplication>

#include <memory>

using namespace qm::cli;

namespace {

/// Whether a command draws: the font system and a platform are set up only
/// for those, since starting them (and tearing the font database down at
/// exit) costs a file-only command most of its time.
enum class Needs { Files, Drawing };

struct Command {
    const char *name;
    CommandFunction run;
    const char *usage;
    Needs needs = Needs::Drawing;
};

const Command kCommands[] = {
    {"render", runRender, "render [DOC.QMF|STYLE.QMS] OUT.png|OUT.bmp|OUT.pdf [settings] [--dpi N]"},
    {"info", runInfo, "info [DOC.QMF|STYLE.QMS] [settings]"},
    {"copy", runCopy, "copy IN.QMF|IN.QMS OUT.QMF|OUT.QMS [settings]"},
    {"set-cell", runSetCell, "set-cell IN.QMF N TEXTFILE OUT.QMF [settings]"},
    {"import-ics", runImportIcs, "import-ics DOC.QMF|STYLE.QMS EVENTS.ics... OUT.QMF [--replace] [settings]",
     Needs::Files},
    {"rtf2txt", runRtf2Txt, "rtf2txt IN", Needs::Files},
    {"rtf", runRtf, "rtf IN OUT.rtf"},
    {"print", runPrint, "print DOC.QMF [--printer NAME] [--copies N] [--widen-margins] [settings]"},
};

const Command *findCommand(QLatin1String name)
{
    for (const Command &command : kCommands) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv)
{
    const Command *command = argc > 1 ? findCommand(QLatin1String(argv[1])) : nullptr;
    if (command && command->needs == Needs::Files)
        return std::make_unique<QCoreApplication>(argc, argv);
    return std::make_unique<QGuiApplication>(argc, argv);
}

void printUsage(QTextStream &out)
{
    out << "usage: quillmark-cli COMMAND [arguments]\n";
    for (const Command &command : kCommands)
        out << "  quillmark-cli " << command.usage << '\n';
    out << "settings: --layout N --paper letter|a4 --margins L,T,R,B --month M --year Y --day D\n"
           "          --start-of-week N --number-position center|upper-right --starting-time HH:MM\n"
           "          --zoom PCT --ppi P\n";
}

int runCommand(const QStringList &arguments, CliIo &io)
{
    const QString name = arguments.value(0);
    if (name == u"help" || name == u"--help") {
        printUsage(io.out);
        return kSuccess;
    }
    const QByteArray latin1Name = name.toLatin1();
    if (const Command *command = findCommand(QLatin1String(latin1Name)))
        return command->run(arguments.mid(1), io);
    QStringList names;
    for (const Command &command : kCommands)
        names << QLatin1String(command.name);
    const QString problem =
        name.isEmpty() ? QStringLiteral("no command given") : QStringLiteral("unknown command ") + name;
    throw UsageError(QStringLiteral("%1 (commands: %2; see quillmark-cli help)").arg(problem, names.join(u", ")));
}

// The tool reports its own failures in one line; Qt's warnings about the
// surroundings (a missing runtime folder, say) would only bury that line.
void keepSevereMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << message << '\n';
}

} // namespace

int main(int argc, char **argv)
{
    // A batch tool needs no display; an explicit platform still wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepSevereMessages);
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliIo io{out, err};
    try {
        return runCommand(application->arguments().mid(1), io);
    } catch (const UsageError &error) {
        err << "quillmark-cli: " << error.message() << '\n';
        return kBadArguments;
    } catch (const QmError &error) {
        err << "quillmark-cli: " << error.message();
        if (!error.reason().isEmpty())
            err << ": " << error.reason();
        err << '\n';
        return kFailure;
    }
}
