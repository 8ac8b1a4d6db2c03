#include "gui/register/TfrmEntratiOggi.h"

TfrmEntratiOggi::TfrmEntratiOggi(QWidget *parent)
    : DailyListWindow(RegisterList::EnteredToday, QStringLiteral("TfrmEntratiOggi"), QStringLiteral(" Veicoli entrati oggi"), parent)
{
}
