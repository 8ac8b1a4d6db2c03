#pragma once
// Shared pieces of the tests of windows.
#include "TestFolder.h"
#include "ui/Dialogs.h"

// The program's screens for one test: a fresh program folder, scripted
// dialogs (so no modal window ever waits for a user), and the screens
// created in their order; all destroyed again at the end.
class TfrmRegistro;

struct ProgramWindows {
    TempProgramFolder dir;
    ScriptedDialogs script;
    ProgramWindows();
    ~ProgramWindows();

    // The register card editor on the archive of the year, shown as the year
    // menu shows it (a new card dated now).
    TfrmRegistro *showRegister(const QString &year);
};
