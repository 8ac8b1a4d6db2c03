#include "TestSupport.h"

#include "gui/Startup.h"
#include "gui/fleet/TfrmFlotta.h"
#include "gui/register/TfrmRegistro.h"
#include "gui/kit/Navigator.h"

#include <QListView>
#include <QTest>

ProgramWindows::ProgramWindows()
{
    ResetApplicationEnded();
    CreateWindows();
}

ProgramWindows::~ProgramWindows()
{
    DestroyWindows();
    ResetApplicationEnded();
}

TfrmRegistro *ProgramWindows::showRegister(const QString &year)
{
    TfrmRegistro *editor = qobject_cast<TfrmRegistro *>(Navigator::Screen(ScreenId::Register));
    editor->OpenYear(year);
    HandOver(nullptr, editor);
    if (!QTest::qWaitForWindowExposed(editor))
        qWarning("the register card editor was not exposed");
    return editor;
}

TfrmFlotta *ProgramWindows::showFleet()
{
    TfrmFlotta *editor = qobject_cast<TfrmFlotta *>(Navigator::Screen(ScreenId::Fleet));
    HandOver(Navigator::Screen(ScreenId::StartMenu), editor);
    if (!QTest::qWaitForWindowExposed(editor))
        qWarning("the vehicle card editor was not exposed");
    return editor;
}

QStringList LinesOf(QListView *list)
{
    QStringList lines;
    for (int r = 0; r < list->model()->rowCount(); ++r)
        lines << list->model()->index(r, 0).data().toString();
    return lines;
}

void DoubleClickLine(QListView *list, int row)
{
    const QModelIndex index = list->model()->index(row, 0);
    const QPoint at = list->visualRect(index).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}
