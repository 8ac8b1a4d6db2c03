#pragma once
// Shared pieces of the tests of windows.
#include "TestFolder.h"
#include "gui/kit/Dialogs.h"

#include <QWidget>

// The control of that objectName inside the window; the test stops when
// there is none (a renamed control must not pass unnoticed).
template <class T = QWidget>
T *control(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("control %s not found", name);
    return found;
}

class QListView;
// The texts of a list's lines, top to bottom.
QStringList LinesOf(QListView *list);
// Clicks the line of that row, then double-clicks it, as a user picks a line.
void DoubleClickLine(QListView *list, int row);

// The program's screens for one test: a fresh program folder, scripted
// dialogs (so no modal window ever waits for a user), and the screens
// created in their order; all destroyed again at the end.
class TfrmRegistro;
class TfrmFlotta;

struct ProgramWindows {
    TempProgramFolder dir;
    ScriptedDialogs script;
    ProgramWindows();
    ~ProgramWindows();

    // The register card editor on the archive of the year, shown as the year
    // menu shows it (a new card dated now).
    TfrmRegistro *showRegister(const QString &year);
    // The vehicle card editor, shown as the start menu shows it (a new card).
    TfrmFlotta *showFleet();
};
