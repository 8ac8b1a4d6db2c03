#include "gui/register/TfrmEntratiOggi.h"

TfrmEntratiOggi::TfrmEntratiOggi(QWidget *parent, const QString &archivePath, Chosen onChosen)
    : DailyListWindow(RegisterList::EnteredToday, QStringLiteral("TfrmEntratiOggi"), QStringLiteral(" Veicoli entrati oggi"), parent,
                      archivePath, std::move(onChosen))
{
}
