// The program: start-up, the forms, the message loop until the main window closes.

#include "app/main/Project1.h"

#include "classlib/Forms.h"

int main()
{
    InitialiseProgram();
    CreateProgramForms();
    Application->Run();
    DoneApplication();
    return 0;
}
