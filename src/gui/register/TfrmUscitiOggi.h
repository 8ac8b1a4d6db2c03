#pragma once
// The daily list of the vehicles that left today.
#include "gui/register/DailyListWindow.h"

class TfrmUscitiOggi : public DailyListWindow
{
    Q_OBJECT
public:
    TfrmUscitiOggi(QWidget *parent, const QString &archivePath, Chosen onChosen);
};
