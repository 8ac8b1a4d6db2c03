#include "gui/kit/ScreenWindow.h"

#include <QShowEvent>

void ScreenWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}
