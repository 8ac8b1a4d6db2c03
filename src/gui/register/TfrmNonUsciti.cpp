#include "gui/register/TfrmNonUsciti.h"

TfrmNonUsciti::TfrmNonUsciti(QWidget *parent)
    : DailyListWindow(RegisterList::NotLeft, QStringLiteral("TfrmNonUsciti"), QStringLiteral(" Veicoli non ancora usciti"), parent)
{
}
