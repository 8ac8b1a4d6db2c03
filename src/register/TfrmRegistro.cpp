#include "TfrmRegistro.h"

TfrmRegistro::TfrmRegistro(QWidget *parent)
    : QWidget(parent)
{
}
