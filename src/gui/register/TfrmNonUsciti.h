#pragma once
// The daily list of the vehicles that have not left yet.
#include "gui/register/DailyListWindow.h"

class TfrmNonUsciti : public DailyListWindow
{
    Q_OBJECT
public:
    TfrmNonUsciti(QWidget *parent, const QString &archivePath, Chosen onChosen);
};
