#include "TfrmRegistro.h"

#include "TextRules.h"
#include "YearArchive.h"

#include <QLabel>

TfrmRegistro::TfrmRegistro(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral(" Varcanto - Ingressi e Uscite Veicoli"));
    auto *file = new QLabel(this);
    file->setObjectName(QStringLiteral("lblFile"));
    file->hide();
}

void TfrmRegistro::OpenYear(const QString &year)
{
    findChild<QLabel *>(QStringLiteral("lblFile"))->setText(YearArchive::PathFor(year));
    setWindowTitle(QStringLiteral(" Varcanto - Ingresso e Uscite Veicoli anno ") + Trim(year));
}
