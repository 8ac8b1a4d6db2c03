#include "gui/register/TfrmUscitiOggi.h"

TfrmUscitiOggi::TfrmUscitiOggi(QWidget *parent, const QString &archivePath, Chosen onChosen)
    : DailyListWindow(RegisterList::LeftToday, QStringLiteral("TfrmUscitiOggi"), QStringLiteral(" Veicoli usciti oggi"), parent,
                      archivePath, std::move(onChosen))
{
}
