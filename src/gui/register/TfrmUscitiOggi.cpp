#include "gui/register/TfrmUscitiOggi.h"

TfrmUscitiOggi::TfrmUscitiOggi(QWidget *parent)
    : DailyListWindow(RegisterList::LeftToday, QStringLiteral("TfrmUscitiOggi"), QStringLiteral(" Veicoli usciti oggi"), parent)
{
}
