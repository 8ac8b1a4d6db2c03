#include "ui/Screens.h"

#include "ui/Dialogs.h"

#include <QApplication>
#include <QWidget>

namespace {
bool g_ended = false;
}

ScreenSet &Screens()
{
    static ScreenSet screens;
    return screens;
}

void HandOver(QWidget *current, QWidget *next)
{
    if (next) {
        if (next->windowType() == Qt::Dialog)
            next->show();
        else
            next->showMaximized();
        next->raise();
        next->activateWindow();
    }
    if (current && current != next)
        current->hide();
}

void EndApplication()
{
    g_ended = true;
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    // Under a test script the test keeps its own event loop running.
    if (!ScriptedDialogs::current())
        QCoreApplication::exit(0);
}

bool ApplicationEnded()
{
    return g_ended;
}

void ResetApplicationEnded()
{
    g_ended = false;
}
