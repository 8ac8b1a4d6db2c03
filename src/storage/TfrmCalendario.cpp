#include "TfrmCalendario.h"

TfrmCalendario::TfrmCalendario(QWidget *parent)
    : QDialog(parent)
{
}
