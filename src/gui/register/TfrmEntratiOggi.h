#pragma once
// The daily list of the vehicles that entered today.
#include "gui/register/DailyListWindow.h"

class TfrmEntratiOggi : public DailyListWindow
{
    Q_OBJECT
public:
    TfrmEntratiOggi(QWidget *parent, const QString &archivePath, Chosen onChosen);
};
