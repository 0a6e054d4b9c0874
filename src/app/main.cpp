#include "QuillmarkApplication.h"
#include "QuillmarkProgram.h"

#include "dialogs/DesktopPrompts.h"

int main(int argc, char **argv)
{
    QuillmarkApplication application(argc, argv);
    DesktopPrompts prompts;
    qm::Prompts::install(&prompts);
    const int exitCode = RunQuillmark(application);
    qm::Prompts::install(nullptr);
    return exitCode;
}
