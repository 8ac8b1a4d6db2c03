#include "gui/kit/Navigator.h"

#include "gui/kit/Dialogs.h"

#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QWidget>

namespace {
bool g_ended = false;

QHash<ScreenId, QPointer<QWidget>> &screens()
{
    static QHash<ScreenId, QPointer<QWidget>> all;
    return all;
}
} // namespace

void Navigator::Add(ScreenId id, QWidget *screen)
{
    screens().insert(id, screen);
}

void Navigator::Clear()
{
    screens().clear();
}

QWidget *Navigator::Screen(ScreenId id)
{
    return screens().value(id);
}

bool Navigator::GoTo(QWidget *from, ScreenId to)
{
    QWidget *next = Screen(to);
    if (!next)
        return false;
    HandOver(from, next);
    return true;
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
