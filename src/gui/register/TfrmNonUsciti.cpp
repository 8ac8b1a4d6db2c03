#include "gui/register/TfrmNonUsciti.h"

TfrmNonUsciti::TfrmNonUsciti(QWidget *parent, const QString &archivePath, Chosen onChosen)
    : DailyListWindow(RegisterList::NotLeft, QStringLiteral("TfrmNonUsciti"), QStringLiteral(" Veicoli non ancora usciti"), parent,
                      archivePath, std::move(onChosen))
{
}
