// The program as it starts on the desktop, but without dialogs: questions are
// answered No and messages go to the standard error, so that tests can start
// it as a process and nothing waits for a person.

#include "app/QuillmarkApplication.h"
#include "app/QuillmarkProgram.h"

int main(int argc, char **argv)
{
    QuillmarkApplication application(argc, argv);
    return RunQuillmark(application);
}
